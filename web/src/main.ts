// The page: every event becomes one call into the core's editor, then a repaint of what changed.
import createPelmora, { type Core, type Editor, type OpenOutcome, type Outcome } from '@pelmora/core';
import { digests } from './digests';
import { ask, askThree, dialogOpen, showMessage } from './dialogs';
import { baseName, download, fileBytes, pictureRgba } from './files';
import { type CellRect, Views } from './views';

const $ = <T extends HTMLElement = HTMLElement>(id: string) => document.getElementById(id) as T;
const APP_TITLE = `Pelmora ${PELMORA_VERSION}`;
const TARGETS = [
  { id: 'lbl_bkgpal0', box: 'romSquares', target: 0 },
  { id: 'lbl_bkgpalAlt', box: 'setSquares', target: 1 },
  { id: 'lbl_coinpal', box: 'coinSquares', target: 2 },
];
const PAT0 = 0, NAT0 = 1, ATT0 = 2, NAT1 = 3, ATT1 = 4;

let core: Core;
let editor: Editor;
let views: Views;
let fileName = '';
let zoom = 1;
let tool: 'paint' | 'select' = 'paint';
let selection: CellRect | null = null;
let selectionAnchor: { nameTable: number; column: number; row: number } | null = null;
let pointerCell: { nameTable: number; x: number; y: number } | null = null;
let clipboardText = '';
let messageTimer = 0;

// --- what the page shows --------------------------------------------------------------------

function cssColour(value: number): string {
  return `rgb(${value & 255}, ${(value >> 8) & 255}, ${(value >> 16) & 255})`;
}

function showStatus(text: string, timeoutMs = 5000): void {
  $('statusMessage').textContent = text;
  clearTimeout(messageTimer);
  if (timeoutMs > 0) messageTimer = window.setTimeout(() => ($('statusMessage').textContent = ''), timeoutMs);
}

function showOutcomeError(outcome: Outcome): void {
  if (outcome.message) void showMessage(outcome.message, outcome.reason);
  else if (outcome.reason) showStatus(outcome.reason);
}

function refreshOverlays(): void {
  const focused = views.canvases.findIndex((canvas) => canvas === document.activeElement);
  views.drawOverlays({ grid: $<HTMLInputElement>('actionGrid').checked,
    shading: $<HTMLInputElement>('actionShading').checked, selectedTile: editor.selectedTile(), selection,
    cursor: focused >= 0 && focused < 5 ? { view: focused, cell: cursors[focused] } : null });
}

function refreshHistory(): void {
  const loaded = editor.loaded();
  const undoName = editor.undoName();
  const redoName = editor.redoName();
  const undo = $<HTMLButtonElement>('actionUndo');
  const redo = $<HTMLButtonElement>('actionRedo');
  undo.textContent = undoName ? `Undo ${undoName}` : 'Undo';
  redo.textContent = redoName ? `Redo ${redoName}` : 'Redo';
  undo.disabled = !undoName;
  redo.disabled = !redoName;
  const unverified = editor.unverified() ? ' (unverified image)' : '';
  document.title = loaded ? `${APP_TITLE}[${fileName}]${editor.modified() ? '*' : ''}${unverified}` : APP_TITLE;
  for (const id of ['cmdSaveFile', 'actionCreatePatch', 'actionExport', 'actionPaste'])
    $<HTMLButtonElement>(id).disabled = !loaded;
  for (const id of ['applyPatchFile', 'importFile']) $<HTMLInputElement>(id).disabled = !loaded;
  for (const id of ['actionCut', 'actionCopy', 'actionDelete', 'actionFill'])
    $<HTMLButtonElement>(id).disabled = !loaded || !selection;
}

function refreshPalettes(): void {
  for (const { id, target } of TARGETS) {
    editor.squares(target).forEach((colour, index) => {
      const square = $(`${id}_${index}`);
      square.style.background = cssColour(editor.colourValue(colour));
      square.textContent = core.paletteCaption(colour);
      square.classList.toggle('light', core.lightCaption(colour));
    });
  }
  $<HTMLInputElement>('chkEnableCoin').checked = editor.coinEnabled();
  $('paletteSetLabel').textContent = editor.paletteSetText();
}

// The tile editor shows the selected tile as the tile sheet draws it, one canvas pixel a tile pixel.
function refreshTile(): void {
  const caption = core.tileCaption(editor.selectedTile());
  $('lblTileID').textContent = caption;
  $('lblEditedTile').textContent = `Tile $${caption}`;
  const context = $<HTMLCanvasElement>('tilePixelCanvas').getContext('2d') as CanvasRenderingContext2D;
  context.imageSmoothingEnabled = false;
  context.drawImage(views.canvases[5], 0, 0, 32, 32, 0, 0, 8, 8);
}

function tileValue(): number {
  return Number(document.querySelector<HTMLInputElement>('input[name=tileValue]:checked')?.value ?? 0);
}

function connectTileEditor(): void {
  const canvas = $<HTMLCanvasElement>('tilePixelCanvas');
  const pixelAt = (event: PointerEvent): [number, number] => {
    const box = canvas.getBoundingClientRect();
    return [Math.floor(((event.clientX - box.left) * 8) / box.width), Math.floor(((event.clientY - box.top) * 8) / box.height)];
  };
  canvas.addEventListener('pointerdown', (event) => {
    if (!editor.loaded()) return;
    const [x, y] = pixelAt(event);
    if (event.button === 2) {
      const value = editor.selectedTilePixels()[y * 8 + x] ?? 0;
      $<HTMLInputElement>(`tileSwatch${value + 1}`).checked = true;
      return;
    }
    canvas.setPointerCapture(event.pointerId);
    editor.pressTilePixel(x, y, tileValue());
    views.paint();
    refreshTile();
  });
  canvas.addEventListener('contextmenu', (event) => event.preventDefault());
  canvas.addEventListener('pointermove', (event) => {
    if (!canvas.hasPointerCapture(event.pointerId)) return;
    const [x, y] = pixelAt(event);
    editor.moveTilePixel(x, y);
    views.paint();
    refreshTile();
  });
  const release = () => {
    editor.release();
    refreshHistory();
  };
  canvas.addEventListener('pointerup', release);
  canvas.addEventListener('pointercancel', release);
  const buttons: Record<string, string> = { cmdFlipTileH: 'flipH', cmdFlipTileV: 'flipV', cmdRotateTile: 'rotate',
    cmdClearTile: 'clear', cmdCopyTile: 'copy', cmdPasteTile: 'paste' };
  for (const [id, kind] of Object.entries(buttons)) {
    $(id).addEventListener('click', () => {
      editor.transformTile(kind);
      refreshAll();
    });
  }
}

// After any command: the changed pixels, the palette squares, the history and the overlays.
function refreshAll(): void {
  views.paint();
  refreshPalettes();
  refreshTile();
  refreshHistory();
  refreshOverlays();
}

// --- files ----------------------------------------------------------------------------------

// Unsaved edits are offered for saving first; a Save that fails keeps them and goes no further.
async function mayDiscard(): Promise<boolean> {
  editor.release();
  if (!editor.loaded() || !editor.modified()) return true;
  const answer = await askThree(`Save changes to ${fileName} before closing?`, 'Save', 'Discard');
  if (answer === 'other') return true;
  if (answer === 'no') return false;
  await saveFile();
  return !editor.modified();
}

async function openBytes(name: string, bytes: Uint8Array): Promise<void> {
  await openWith(() => editor.open(name, bytes));
}

// A failed Open leaves the document as it was and says why; an image that fails the game check
// is opened only when the user says so.
async function openWith(load: () => OpenOutcome): Promise<void> {
  if (!(await mayDiscard())) return;
  const opened = load();
  if (!opened.ok) {
    await showMessage(opened.message, opened.reason);
    return;
  }
  if (opened.askFirst) {
    if (!(await ask(core.unexpectedGameWarning(), 'Open'))) {
      editor.cancelOpen();
      return;
    }
    editor.confirmOpen();
  }
  fileName = editor.fileName();
  selection = null;
  $<HTMLInputElement>('optAttSel0').checked = true;
  editor.selectAttributePalette(0);
  refreshAll();
  await showMessage('File loaded!');
}

async function saveFile(): Promise<void> {
  editor.release();
  if (!editor.loaded()) return showMessage('No file loaded!');
  if (editor.unverified() && !(await ask(`${core.unexpectedGameStatement()} Save anyway?`, 'Save'))) return;
  const saved = editor.save();
  if (!saved.ok) return showMessage(saved.message, saved.reason);
  download(editor.output().slice(), fileName);
  refreshHistory();
  await showMessage(saved.message);
}

function createPatch(): void {
  const format = $<HTMLSelectElement>('patchFormat').value;
  const made = editor.createPatch(format);
  if (!made.ok) return showOutcomeError(made);
  const bytes = editor.output().slice();
  const name = `${baseName(fileName)}.${format}`;
  download(bytes, name);
  showStatus(`Patch written to ${name} (${bytes.length} bytes).`);
}

async function applyPatch(file: File): Promise<void> {
  const bytes = await fileBytes(file);
  editor.inputBuffer(bytes.length).set(bytes);
  const applied = editor.applyPatch();
  if (!applied.ok) return showOutcomeError(applied);
  refreshAll();
  showStatus(`Patch ${file.name} applied.`);
}

function exportFile(kind: string): void {
  const base = baseName(fileName);
  const pictures: Record<string, number> = { tiles: PAT0, screen0: NAT0, attr0: ATT0, screen1: NAT1, attr1: ATT1 };
  if (kind in pictures) {
    const name = `${base}-${kind}.png`;
    views.canvases[pictures[kind]].toBlob((blob) => {
      if (!blob) return void showMessage('Error saving file!', 'The picture could not be made.');
      download(blob, name);
      showStatus(`Picture written to ${name}.`);
    }, 'image/png');
  } else if (kind === 'chr') {
    editor.exportTiles();
    download(editor.output().slice(), `${base}.chr`);
    showStatus(`Tiles written to ${base}.chr.`);
  } else if (kind === 'pal') {
    editor.exportPalette();
    download(editor.output().slice(), `${base}.pal`);
    showStatus(`Palette written to ${base}.pal.`);
  } else {
    const screen = kind === 'nam0' ? 0 : 1;
    editor.exportNameTable(screen);
    const name = `${base}-screen${screen}.nam`;
    download(editor.output().slice(), name);
    showStatus(`Name table ${screen * 2} written to ${name}.`);
  }
}

async function importFile(kind: string, file: File): Promise<void> {
  if (kind === 'picture') return importPicture(file);
  const bytes = await fileBytes(file);
  editor.inputBuffer(bytes.length).set(bytes);
  if (kind === 'chr') {
    const imported = editor.importTiles();
    if (!imported.ok) return showOutcomeError(imported);
    refreshAll();
    return showStatus(`Tiles imported from ${file.name}.`);
  }
  if (kind === 'pal') {
    const imported = editor.importPalette();
    if (!imported.ok) return showOutcomeError(imported);
    refreshAll();
    return showStatus(`Palette imported from ${file.name}.`);
  }
  const screen = kind === 'nam0' ? 0 : 1;
  const imported = editor.importNameTable(screen);
  if (!imported.ok) return showOutcomeError(imported);
  refreshAll();
  showStatus(`Name table ${screen * 2} imported from ${file.name}.${imported.message}`, 0);
}

async function importPicture(file: File): Promise<void> {
  let picture: ImageData;
  try {
    picture = await pictureRgba(file);
  } catch {
    return showMessage('Error loading file!', 'The file is not a picture this browser can read.');
  }
  const dialog = $<HTMLDialogElement>('pictureImportDialog');
  const preview = () => {
    editor.inputBuffer(picture.data.length).set(picture.data);
    const tried = editor.previewPicture(picture.width, picture.height,
      $<HTMLInputElement>('optFitPalettes').checked, $<HTMLInputElement>('chkReduceTiles').checked);
    $('lblImportCounts').textContent = !tried.fits && tried.tilesMissing > 0
      ? `Does not fit: ${tried.tilesMissing} more ${tried.tilesMissing === 1 ? 'tile is' : 'tiles are'} needed than are free. Reduce merges the nearest tiles until it fits.`
      : tried.fits ? `Tiles used: ${tried.tilesUsed} · new: ${tried.tilesNew} · reused: ${tried.tilesReused} · merged: ${tried.tilesMerged} · pixels changed: ${tried.pixelsChanged}`
        : tried.message;
    $<HTMLButtonElement>('pictureApply').disabled = !tried.fits;
    return tried;
  };
  const first = preview();
  if (!first.ok && !first.fits && first.reason) return showMessage(first.message, first.reason);
  for (const id of ['optKeepPalettes', 'optFitPalettes', 'chkReduceTiles']) $(id).onchange = preview;
  $('pictureCancel').onclick = () => dialog.close();
  $('pictureApply').onclick = () => {
    const tried = preview();
    dialog.close();
    if (!tried.fits || !editor.applyPicture()) return;
    refreshAll();
    showStatus(`${file.name} imported as the title: ${tried.tilesUsed} tiles, ${tried.tilesNew} new, ${tried.tilesReused} reused, ${tried.tilesMerged} merged, ${tried.pixelsChanged} pixels changed.`, 0);
  };
  dialog.showModal();
}

// --- the views ------------------------------------------------------------------------------

function showRefusal(reason: string): void {
  if (reason && $('statusMessage').textContent !== reason) showStatus(reason);
}

function cellAt(x: number, y: number) {
  const column = Math.floor(Math.round(x) / 8);
  const row = Math.floor(Math.round(y) / 8);
  return { column: Math.max(0, Math.min(31, column)), row: Math.max(0, Math.min(29, row)) };
}

function setSelection(next: CellRect | null): void {
  selection = next;
  refreshHistory();
  refreshOverlays();
}

function connectView(view: number): void {
  const canvas = views.canvases[view];
  const nameTable = view === NAT0 || view === ATT0 ? 0 : 2;
  const screen = view === NAT0 || view === NAT1;
  canvas.addEventListener('pointerdown', (event) => {
    if (!editor.loaded() || event.button > 2) return;
    event.preventDefault();
    canvas.focus();
    canvas.setPointerCapture(event.pointerId);
    const [x, y] = views.viewPosition(view, event);
    const cell = screen ? 8 : 16;  // the keyboard goes on from the cell pressed
    cursors[view] = [Math.max(0, Math.min(canvas.width / cell - 1, Math.floor(x / cell))),
      Math.max(0, Math.min(Math.floor(canvas.height / cell) - 1, Math.floor(y / cell)))];
    if (view === PAT0) {
      if (editor.pressTileSheet(x, y)) views.paint();
      refreshTile();
      refreshOverlays();
    } else if (screen && tool === 'select') {
      if (x < 0 || y < 0 || x > 255.5 || y > 239.5) return;
      selectionAnchor = { nameTable, ...cellAt(x, y) };
      setSelection({ nameTable, column: selectionAnchor.column, row: selectionAnchor.row, width: 1, height: 1 });
    } else {
      showRefusal(screen ? editor.pressScreen(nameTable, x, y) : editor.pressAttributes(nameTable, x, y));
      views.paint();
    }
  });
  canvas.addEventListener('pointermove', (event) => {
    if (!editor.loaded()) return;
    const [x, y] = views.viewPosition(view, event);
    if (event.buttons !== 0 && canvas.hasPointerCapture(event.pointerId) && view !== PAT0) {
      if (screen && selectionAnchor) {
        const cell = cellAt(x, y);
        const column = Math.min(cell.column, selectionAnchor.column);
        const row = Math.min(cell.row, selectionAnchor.row);
        setSelection({ nameTable, column, row, width: Math.abs(cell.column - selectionAnchor.column) + 1,
          height: Math.abs(cell.row - selectionAnchor.row) + 1 });
      } else {
        showRefusal(screen ? editor.moveOnScreen(nameTable, x, y) : editor.moveOnAttributes(nameTable, x, y));
        views.paint();
      }
    }
    if (screen) pointerCell = { nameTable, x, y };
    $('readout').textContent = view === PAT0 ? editor.tileSheetReadout(x, y)
      : screen ? editor.screenReadout(nameTable, x, y) : editor.attributeReadout(nameTable, x, y);
  });
  const release = () => {
    selectionAnchor = null;
    editor.release();
    refreshHistory();
  };
  canvas.addEventListener('pointerup', release);
  canvas.addEventListener('pointercancel', release);
  canvas.addEventListener('pointerleave', () => {
    if (screen) pointerCell = null;
    $('readout').textContent = '';
  });
}

// Keyboard presses on a focused view: the arrows move a cursor by one cell, Enter or Space
// presses where it is, as a pointer press there would.
const cursors: [number, number][] = [[0, 0], [0, 0], [0, 0], [0, 0], [0, 0]];

function connectViewKeys(view: number): void {
  const canvas = views.canvases[view];
  const nameTable = view === NAT0 || view === ATT0 ? 0 : 2;
  const screen = view === NAT0 || view === NAT1;
  const cell = screen ? 8 : 16;
  const columns = Math.floor(canvas.width / cell);
  const rows = Math.floor(canvas.height / cell);
  canvas.addEventListener('keydown', (event) => {
    if (!editor.loaded() || event.ctrlKey || event.altKey || event.metaKey) return;
    const moves: Record<string, [number, number]> = { ArrowLeft: [-1, 0], ArrowRight: [1, 0], ArrowUp: [0, -1], ArrowDown: [0, 1] };
    const cursor = cursors[view];
    if (event.key in moves) {
      event.preventDefault();
      event.stopPropagation();
      cursor[0] = Math.max(0, Math.min(columns - 1, cursor[0] + moves[event.key][0]));
      cursor[1] = Math.max(0, Math.min(rows - 1, cursor[1] + moves[event.key][1]));
    } else if (event.key === 'Enter' || event.key === ' ') {
      event.preventDefault();
      event.stopPropagation();
      const x = cursor[0] * cell + cell / 2;
      const y = cursor[1] * cell + cell / 2;
      if (view === PAT0) editor.pressTileSheet(x, y);
      else showRefusal(screen ? editor.pressScreen(nameTable, x, y) : editor.pressAttributes(nameTable, x, y));
      editor.release();
      refreshAll();
    } else {
      return;
    }
    const x = cursor[0] * cell + cell / 2;
    const y = cursor[1] * cell + cell / 2;
    if (screen) pointerCell = { nameTable, x, y };
    $('readout').textContent = view === PAT0 ? editor.tileSheetReadout(x, y)
      : screen ? editor.screenReadout(nameTable, x, y) : editor.attributeReadout(nameTable, x, y);
    canvas.setAttribute('aria-description', $('readout').textContent ?? '');
    refreshOverlays();
  });
  canvas.addEventListener('focus', refreshOverlays);
  canvas.addEventListener('blur', refreshOverlays);
}

function editSelection(command: 'Cut' | 'Delete' | 'Fill'): void {
  if (!selection) return;
  if (command === 'Cut') copySelection();
  const { nameTable, column, row, width, height } = selection;
  const done = editor.editRect(command, nameTable, column, row, width, height);
  if (!done.ok) return showOutcomeError(done);
  refreshAll();
}

function copySelection(): void {
  if (!selection) return;
  const { nameTable, column, row, width, height } = selection;
  clipboardText = editor.copyRect(nameTable, column, row, width, height);
  navigator.clipboard?.writeText(clipboardText).catch(() => undefined);
}

function paste(): void {
  const at = selection ?? (pointerCell ? { nameTable: pointerCell.nameTable, ...cellAt(pointerCell.x, pointerCell.y) } : null);
  if (!at) return showStatus('Point at a screen or select a rectangle to paste into.');
  if (!clipboardText) return showStatus('There is nothing to paste.');
  const pasted = editor.pasteText(clipboardText, at.nameTable, at.column, at.row);
  if (!pasted.ok) return showOutcomeError(pasted);
  refreshAll();
}

// --- palettes -------------------------------------------------------------------------------

function buildSquares(): void {
  for (const { id, box, target } of TARGETS) {
    const count = target === 0 ? 32 : target === 1 ? 80 : 7;
    const parent = $(box);
    for (let index = 0; index < count; ++index) {
      const square = document.createElement('button');
      square.className = 'square';
      square.id = `${id}_${index}`;
      square.setAttribute('aria-label', `${id.replace('lbl_', '')} ${index}`);
      square.addEventListener('click', () => openSelector(target, index, square));
      square.addEventListener('pointerenter', () => ($('readout').textContent = editor.squareReadout(target, index)));
      square.addEventListener('pointerleave', () => ($('readout').textContent = ''));
      parent.append(square);
    }
  }
  const selector = $('selectorSquares');
  for (let colour = 0; colour < 64; ++colour) {
    const square = document.createElement('button');
    square.className = 'square';
    square.id = `lblnespal_${colour}`;
    square.textContent = core.selectorCaption(colour);
    square.setAttribute('aria-label', `Colour ${core.selectorCaption(colour)}`);
    square.style.background = cssColour(editor.colourValue(colour));
    square.classList.toggle('light', core.lightCaption(colour));
    square.addEventListener('click', () => chooseColour(colour));
    selector.append(square);
  }
  $('closeSelector').addEventListener('click', () => $('frmPalSelect').hidePopover());
}

let selectorOpener: HTMLElement | null = null;

function openSelector(target: number, index: number, square: HTMLElement): void {
  if (!editor.loaded()) return;
  const current = editor.openSquare(target, index);
  selectorOpener = square;
  for (let colour = 0; colour < 64; ++colour) $(`lblnespal_${colour}`).classList.toggle('chosen', colour === current);
  const popover = $('frmPalSelect');
  const box = square.getBoundingClientRect();
  popover.style.position = 'fixed';
  popover.style.left = `${Math.max(0, Math.min(box.left, window.innerWidth - 420))}px`;
  popover.style.top = `${Math.max(0, box.top - 170)}px`;
  popover.showPopover();
  (document.getElementById(`lblnespal_${current}`) ?? $('lblnespal_0')).focus();
}

function chooseColour(colour: number): void {
  editor.storeColour(colour);
  $('frmPalSelect').hidePopover();
  refreshAll();
  selectorOpener?.focus();
}

function nextPaletteSet(): void {
  if (!editor.loaded()) return;
  editor.nextPaletteSet();
  refreshAll();
}

// --- commands and keys ----------------------------------------------------------------------

function undo(): void {
  editor.undo();
  refreshAll();
}

function redo(): void {
  editor.redo();
  refreshAll();
}

function setZoom(next: number): void {
  zoom = Math.max(1, Math.min(3, next));
  views.setZoom(zoom);
  $('zoomLabel').textContent = `${zoom}×`;
  refreshOverlays();
}

function setTool(next: 'paint' | 'select'): void {
  editor.release();
  tool = next;
  $<HTMLInputElement>(next === 'paint' ? 'actionPaintTool' : 'actionSelectTool').checked = true;
  if (next === 'paint') setSelection(null);
}

function pickTileUnderPointer(): void {
  if (!pointerCell || !editor.pickTile(pointerCell.nameTable, pointerCell.x, pointerCell.y)) return;
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
  if (ctrl && (key === '+' || key === '=')) return run(() => setZoom(zoom + 1));
  if (ctrl && key === '-') return run(() => setZoom(zoom - 1));
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
  $('actionZoomIn').addEventListener('click', () => setZoom(zoom + 1));
  $('actionZoomOut').addEventListener('click', () => setZoom(zoom - 1));
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
  core = await createPelmora({ digests, locateFile: (path: string) => new URL(path, import.meta.url).href });
  performance.mark('pelmora-module');
  editor = new core.Editor();
  views = new Views(editor);
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
