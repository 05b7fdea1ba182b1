// What every part of the page shares: the core, its editor and the views, the page's own state,
// and the refreshes that show the editor's state after a command.
import type { Core, Editor, Outcome } from '@pelmora/core';
import { showMessage } from './dialogs';
import { type CellRect, Views } from './views';

export const $ = <T extends HTMLElement = HTMLElement>(id: string) => document.getElementById(id) as T;
export const APP_TITLE = `Pelmora ${PELMORA_VERSION}`;
export const TARGETS = [
  { id: 'lbl_bkgpal0', box: 'romSquares', target: 0 },
  { id: 'lbl_bkgpalAlt', box: 'setSquares', target: 1 },
  { id: 'lbl_coinpal', box: 'coinSquares', target: 2 },
];
export const PAT0 = 0, NAT0 = 1, ATT0 = 2, NAT1 = 3, ATT1 = 4;

export let core: Core;
export let editor: Editor;
export let views: Views;

export function attachCore(loaded: Core): void {
  core = loaded;
  editor = new core.Editor();
  views = new Views(editor);
}

export const state = {
  fileName: '',
  zoom: 1,
  tool: 'paint' as 'paint' | 'select',
  selection: null as CellRect | null,
  selectionAnchor: null as { nameTable: number; column: number; row: number } | null,
  pointerCell: null as { nameTable: number; x: number; y: number } | null,
  clipboardText: '',
  messageTimer: 0,
  selectorOpener: null as HTMLElement | null,
  // The keyboard's cell on each view, moved by the arrows and by presses.
  cursors: [[0, 0], [0, 0], [0, 0], [0, 0], [0, 0]] as [number, number][],
};

export function cssColour(value: number): string {
  return `rgb(${value & 255}, ${(value >> 8) & 255}, ${(value >> 16) & 255})`;
}

export function showStatus(text: string, timeoutMs = 5000): void {
  $('statusMessage').textContent = text;
  clearTimeout(state.messageTimer);
  if (timeoutMs > 0) state.messageTimer = window.setTimeout(() => ($('statusMessage').textContent = ''), timeoutMs);
}

export function showOutcomeError(outcome: Outcome): void {
  if (outcome.message) void showMessage(outcome.message, outcome.reason);
  else if (outcome.reason) showStatus(outcome.reason);
}

export function refreshOverlays(): void {
  const focused = views.canvases.findIndex((canvas) => canvas === document.activeElement);
  views.drawOverlays({ grid: $<HTMLInputElement>('actionGrid').checked,
    shading: $<HTMLInputElement>('actionShading').checked, selectedTile: editor.selectedTile(), selection: state.selection,
    cursor: focused >= 0 && focused < 5 ? { view: focused, cell: state.cursors[focused] } : null });
}

export function refreshHistory(): void {
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
  document.title = loaded ? `${APP_TITLE}[${state.fileName}]${editor.modified() ? '*' : ''}${unverified}` : APP_TITLE;
  for (const id of ['cmdSaveFile', 'actionCreatePatch', 'actionExport', 'actionPaste'])
    $<HTMLButtonElement>(id).disabled = !loaded;
  for (const id of ['applyPatchFile', 'importFile']) $<HTMLInputElement>(id).disabled = !loaded;
  for (const id of ['actionCut', 'actionCopy', 'actionDelete', 'actionFill'])
    $<HTMLButtonElement>(id).disabled = !loaded || !state.selection;
}

export function refreshPalettes(): void {
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
export function refreshTile(): void {
  const caption = core.tileCaption(editor.selectedTile());
  $('lblTileID').textContent = caption;
  $('lblEditedTile').textContent = `Tile $${caption}`;
  const context = $<HTMLCanvasElement>('tilePixelCanvas').getContext('2d') as CanvasRenderingContext2D;
  context.imageSmoothingEnabled = false;
  context.drawImage(views.canvases[5], 0, 0, 32, 32, 0, 0, 8, 8);
}

export function refreshAll(): void {
  views.paint();
  refreshPalettes();
  refreshTile();
  refreshHistory();
  refreshOverlays();
}
