// Presses, drags and keys on the views, and the select tool's rectangle with its commands.
import type { CellRect } from './views';
import { $, ATT0, NAT0, NAT1, PAT0, editor, refreshAll, refreshHistory, refreshOverlays, refreshTile, showOutcomeError, showStatus, state, views } from './page';

export function showRefusal(reason: string): void {
  if (reason && $('statusMessage').textContent !== reason) showStatus(reason);
}

function cellAt(x: number, y: number) {
  const column = Math.floor(Math.round(x) / 8);
  const row = Math.floor(Math.round(y) / 8);
  return { column: Math.max(0, Math.min(31, column)), row: Math.max(0, Math.min(29, row)) };
}

export function setSelection(next: CellRect | null): void {
  state.selection = next;
  refreshHistory();
  refreshOverlays();
}

export function connectView(view: number): void {
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
    state.cursors[view] = [Math.max(0, Math.min(canvas.width / cell - 1, Math.floor(x / cell))),
      Math.max(0, Math.min(Math.floor(canvas.height / cell) - 1, Math.floor(y / cell)))];
    if (view === PAT0) {
      if (editor.pressTileSheet(x, y)) views.paint();
      refreshTile();
      refreshOverlays();
    } else if (screen && state.tool === 'select') {
      if (x < 0 || y < 0 || x > 255.5 || y > 239.5) return;
      state.selectionAnchor = { nameTable, ...cellAt(x, y) };
      setSelection({ nameTable, column: state.selectionAnchor.column, row: state.selectionAnchor.row, width: 1, height: 1 });
    } else {
      showRefusal(screen ? editor.pressScreen(nameTable, x, y) : editor.pressAttributes(nameTable, x, y));
      views.paint();
    }
  });
  canvas.addEventListener('pointermove', (event) => {
    if (!editor.loaded()) return;
    const [x, y] = views.viewPosition(view, event);
    if (event.buttons !== 0 && canvas.hasPointerCapture(event.pointerId) && view !== PAT0) {
      if (screen && state.selectionAnchor) {
        const cell = cellAt(x, y);
        const column = Math.min(cell.column, state.selectionAnchor.column);
        const row = Math.min(cell.row, state.selectionAnchor.row);
        setSelection({ nameTable, column, row, width: Math.abs(cell.column - state.selectionAnchor.column) + 1,
          height: Math.abs(cell.row - state.selectionAnchor.row) + 1 });
      } else {
        showRefusal(screen ? editor.moveOnScreen(nameTable, x, y) : editor.moveOnAttributes(nameTable, x, y));
        views.paint();
      }
    }
    if (screen) state.pointerCell = { nameTable, x, y };
    $('readout').textContent = view === PAT0 ? editor.tileSheetReadout(x, y)
      : screen ? editor.screenReadout(nameTable, x, y) : editor.attributeReadout(nameTable, x, y);
  });
  const release = () => {
    state.selectionAnchor = null;
    editor.release();
    refreshHistory();
  };
  canvas.addEventListener('pointerup', release);
  canvas.addEventListener('pointercancel', release);
  canvas.addEventListener('pointerleave', () => {
    if (screen) state.pointerCell = null;
    $('readout').textContent = '';
  });
}

// Keyboard presses on a focused view: the arrows move a cursor by one cell, Enter or Space
// presses where it is, as a pointer press there would.

export function connectViewKeys(view: number): void {
  const canvas = views.canvases[view];
  const nameTable = view === NAT0 || view === ATT0 ? 0 : 2;
  const screen = view === NAT0 || view === NAT1;
  const cell = screen ? 8 : 16;
  const columns = Math.floor(canvas.width / cell);
  const rows = Math.floor(canvas.height / cell);
  canvas.addEventListener('keydown', (event) => {
    if (!editor.loaded() || event.ctrlKey || event.altKey || event.metaKey) return;
    const moves: Record<string, [number, number]> = { ArrowLeft: [-1, 0], ArrowRight: [1, 0], ArrowUp: [0, -1], ArrowDown: [0, 1] };
    const cursor = state.cursors[view];
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
    if (screen) state.pointerCell = { nameTable, x, y };
    $('readout').textContent = view === PAT0 ? editor.tileSheetReadout(x, y)
      : screen ? editor.screenReadout(nameTable, x, y) : editor.attributeReadout(nameTable, x, y);
    canvas.setAttribute('aria-description', $('readout').textContent ?? '');
    refreshOverlays();
  });
  canvas.addEventListener('focus', refreshOverlays);
  canvas.addEventListener('blur', refreshOverlays);
}

export function editSelection(command: 'Cut' | 'Delete' | 'Fill'): void {
  if (!state.selection) return;
  if (command === 'Cut') copySelection();
  const { nameTable, column, row, width, height } = state.selection;
  const done = editor.editRect(command, nameTable, column, row, width, height);
  if (!done.ok) return showOutcomeError(done);
  refreshAll();
}

export function copySelection(): void {
  if (!state.selection) return;
  const { nameTable, column, row, width, height } = state.selection;
  state.clipboardText = editor.copyRect(nameTable, column, row, width, height);
  navigator.clipboard?.writeText(state.clipboardText).catch(() => undefined);
}

export function paste(): void {
  const at = state.selection ?? (state.pointerCell ? { nameTable: state.pointerCell.nameTable, ...cellAt(state.pointerCell.x, state.pointerCell.y) } : null);
  if (!at) return showStatus('Point at a screen or select a rectangle to paste into.');
  if (!state.clipboardText) return showStatus('There is nothing to paste.');
  const pasted = editor.pasteText(state.clipboardText, at.nameTable, at.column, at.row);
  if (!pasted.ok) return showOutcomeError(pasted);
  refreshAll();
}
