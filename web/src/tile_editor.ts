// The tile editor: the selected tile's pixels painted with a drag, and its buttons.
import { $, editor, refreshAll, refreshHistory, refreshTile, views } from './page';

function tileValue(): number {
  return Number(document.querySelector<HTMLInputElement>('input[name=tileValue]:checked')?.value ?? 0);
}

export function connectTileEditor(): void {
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
