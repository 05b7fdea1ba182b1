// The page: every event becomes one call into the core's editor, then a repaint of what changed.
import createPelmora from '@pelmora/core';
import { digests } from './digests';
import { dialogOpen, showMessage } from './dialogs';
import { fileBytes } from './files';
import { applyPatch, createPatch, exportFile, importFile, openBytes, openWith, saveFile } from './file_commands';
import { buildSquares, nextPaletteSet } from './palette_controls';
import { $, APP_TITLE, attachCore, cssColour, editor, refreshAll, refreshOverlays, refreshTile, state, views } from './page';
import { connectTileEditor } from './tile_editor';
import { connectView, connectViewKeys, copySelection, editSelection, paste, setSelection } from './view_input';

function undo(): void {
  editor.undo();
  refreshAll();
}

function redo(): void {
  editor.redo();
  refreshAll();
}

function setZoom(next: number): void {
  state.zoom = Math.max(1, Math.min(3, next));
  views.setZoom(state.zoom);
  $('zoomLabel').textContent = `${state.zoom}×`;
  refreshOverlays();
}

function setTool(next: 'paint' | 'select'): void {
  editor.release();
  state.tool = next;
  $<HTMLInputElement>(next === 'paint' ? 'actionPaintTool' : 'actionSelectTool').checked = true;
  if (next === 'paint') setSelection(null);
}

function pickTileUnderPointer(): void {
  if (!state.pointerCell || !editor.pickTile(state.pointerCell.nameTable, state.pointerCell.x, state.pointerCell.y)) return;
  views.paint();
  refreshTile();
  refreshOverlays();
}

function onKey(event: KeyboardEvent): void {
  if (dialogOpen() || (event.target as HTMLElement)?.tagName === 'SELECT') return;
  const ctrl = event.ctrlKey || event.metaKey;
  const key = event.key.toLowerCase();
  const run = (action: () => void) => {
    event.preventDefault();
    action();
  };
  if (ctrl && key === 'o') return run(() => $('openFile').click());
  if (ctrl && key === 's') return run(() => void saveFile());
  if (ctrl && ((key === 'z' && event.shiftKey) || key === 'y')) return run(redo);
  if (ctrl && key === 'z') return run(undo);
  if (ctrl && (key === '+' || key === '=')) return run(() => setZoom(state.zoom + 1));
  if (ctrl && key === '-') return run(() => setZoom(state.zoom - 1));
  if (ctrl && key === '0') return run(() => setZoom(1));
  if (!editor.loaded()) return;
  if (ctrl && key === 'x') return run(() => editSelection('Cut'));
  if (ctrl && key === 'c') return run(copySelection);
  if (ctrl && key === 'v') return run(paste);
  if (ctrl || event.altKey) return;
  if (key === 'p') return run(nextPaletteSet);
  if (key === 'g') return run(() => { $<HTMLInputElement>('actionGrid').checked = !$<HTMLInputElement>('actionGrid').checked; refreshOverlays(); });
  if (key === 'b') return run(() => setTool('paint'));
  if (key === 's') return run(() => setTool('select'));
  if (key === 'f') return run(() => editSelection('Fill'));
  if (key === 'i') return run(pickTileUnderPointer);
  if (key === 'delete') return run(() => editSelection('Delete'));
  if (['1', '2', '3', '4'].includes(key)) return run(() => ($<HTMLInputElement>(`tileSwatch${key}`).checked = true));
}

function connectControls(): void {
  const openInput = $<HTMLInputElement>('openFile');
  openInput.addEventListener('change', async () => {
    const file = openInput.files?.[0];
    openInput.value = '';
    if (file) await openBytes(file.name, await fileBytes(file));
  });
  openInput.addEventListener('cancel', () => void showMessage('No file loaded!'));
  $('cmdSaveFile').addEventListener('click', () => void saveFile());
  $('actionOpenDemo').addEventListener('click', () => void openWith(() => editor.openDemo()));
  $('actionUndo').addEventListener('click', undo);
  $('actionRedo').addEventListener('click', redo);
  $('actionPaintTool').addEventListener('change', () => setTool('paint'));
  $('actionSelectTool').addEventListener('change', () => setTool('select'));
  $('actionCut').addEventListener('click', () => editSelection('Cut'));
  $('actionCopy').addEventListener('click', copySelection);
  $('actionPaste').addEventListener('click', paste);
  $('actionDelete').addEventListener('click', () => editSelection('Delete'));
  $('actionFill').addEventListener('click', () => editSelection('Fill'));
  $('actionGrid').addEventListener('change', refreshOverlays);
  $('actionShading').addEventListener('change', refreshOverlays);
  $('actionZoomIn').addEventListener('click', () => setZoom(state.zoom + 1));
  $('actionZoomOut').addEventListener('click', () => setZoom(state.zoom - 1));
  $('actionCreatePatch').addEventListener('click', createPatch);
  const patchInput = $<HTMLInputElement>('applyPatchFile');
  patchInput.addEventListener('change', async () => {
    const file = patchInput.files?.[0];
    patchInput.value = '';
    if (file) await applyPatch(file);
  });
  $('actionExport').addEventListener('click', () => exportFile($<HTMLSelectElement>('exportKind').value));
  const importInput = $<HTMLInputElement>('importFile');
  $<HTMLSelectElement>('importKind').addEventListener('change', () => {
    const kind = $<HTMLSelectElement>('importKind').value;
    importInput.accept = kind === 'picture' ? 'image/png,.png' : `.${kind.startsWith('nam') ? 'nam' : kind}`;
  });
  importInput.accept = '.nam';
  importInput.addEventListener('change', async () => {
    const file = importInput.files?.[0];
    importInput.value = '';
    if (file) await importFile($<HTMLSelectElement>('importKind').value, file);
  });
  for (let index = 0; index < 4; ++index) {
    const option = $<HTMLInputElement>(`optAttSel${index}`);
    option.addEventListener('change', () => editor.selectAttributePalette(index));
    $(`attSwatch${index}`).style.background = cssColour(editor.attributeColour(index));
  }
  $('chkEnableCoin').addEventListener('change', () => {
    editor.switchCoin($<HTMLInputElement>('chkEnableCoin').checked);
    refreshAll();
  });
  $('cmdChangePal').addEventListener('click', nextPaletteSet);
  document.addEventListener('keydown', onKey);
  window.addEventListener('beforeunload', (event) => {
    editor.release();
    if (editor.modified()) event.preventDefault();
  });
  // Dropping a .nes file anywhere on the page opens it.
  const mark = $('dropMark');
  document.addEventListener('dragover', (event) => {
    event.preventDefault();
    mark.hidden = false;
  });
  document.addEventListener('dragleave', () => (mark.hidden = true));
  document.addEventListener('drop', async (event) => {
    event.preventDefault();
    mark.hidden = true;
    const file = event.dataTransfer?.files?.[0];
    if (file) await openBytes(file.name, await fileBytes(file));
  });
}

async function start(): Promise<void> {
  const core = await createPelmora({ digests, locateFile: (path: string) => new URL(path, import.meta.url).href });
  performance.mark('pelmora-module');
  attachCore(core);
  for (let view = 0; view < 5; ++view) {
    connectView(view);
    connectViewKeys(view);
  }
  buildSquares();
  connectControls();
  connectTileEditor();
  refreshAll();
  document.title = APP_TITLE;
  if ('serviceWorker' in navigator && location.protocol !== 'file:')
    navigator.serviceWorker.register('sw.js').catch(() => undefined);
  document.body.dataset.ready = 'true';
  performance.mark('pelmora-interactive');
  // Tests and benchmarks reach the editor through the page, as a user's events do.
  (window as unknown as { pelmora: object }).pelmora = { editor, openBytes, views };
}

void start();
