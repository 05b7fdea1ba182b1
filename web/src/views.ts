// The five views and the tile preview: canvases holding one pixel per view pixel exactly as the
// core draws them, and an overlay canvas over each for the grid, the selection and the shading.
import type { Editor } from '@pelmora/core';

export const VIEW_IDS = ['PAT0', 'NAT0', 'ATT0', 'NAT1', 'ATT1', 'picSelTile'] as const;

export interface CellRect { nameTable: number; column: number; row: number; width: number; height: number }

export interface OverlayState {
  grid: boolean;
  shading: boolean;
  selectedTile: number;
  selection: CellRect | null;
  cursor: { view: number; cell: [number, number] } | null;  // the keyboard's cell on a focused view
}

export class Views {
  readonly canvases: HTMLCanvasElement[];
  private readonly contexts: CanvasRenderingContext2D[];
  private readonly images: ImageData[];
  private readonly overlays: HTMLCanvasElement[] = [];
  private zoom = 1;

  constructor(private readonly editor: Editor) {
    this.canvases = VIEW_IDS.map((id) => document.getElementById(id) as HTMLCanvasElement);
    this.contexts = this.canvases.map((canvas) => canvas.getContext('2d', { alpha: false }) as CanvasRenderingContext2D);
    this.images = this.canvases.map((canvas, view) => {
      canvas.width = editor.viewWidth(view);
      canvas.height = editor.viewHeight(view);
      return new ImageData(canvas.width, canvas.height);
    });
    for (let view = 0; view < 5; ++view) {
      const overlay = document.createElement('canvas');
      overlay.className = 'overlay';
      overlay.id = `${VIEW_IDS[view]}_overlay`;
      overlay.setAttribute('aria-hidden', 'true');
      this.canvases[view].after(overlay);
      this.overlays.push(overlay);
    }
    this.placeOverlays();
  }

  // Copies what the core redrew since the last paint onto the canvases, only the changed
  // rectangle of each.
  paint(): void {
    const dirty = this.editor.takeDirtyViews();
    for (let view = 0; view < this.canvases.length; ++view) {
      if (!(dirty & (1 << view))) continue;
      const image = this.images[view];
      image.data.set(this.editor.pixels(view));
      const [x, y, width, height] = this.editor.dirtyRect(view);
      this.contexts[view].putImageData(image, 0, 0, x, y, width, height);
    }
  }

  setZoom(zoom: number): void {
    this.zoom = zoom;
    document.documentElement.style.setProperty('--zoom', String(zoom));
    this.placeOverlays();
  }

  // A pointer position as view pixels (fractions kept: the core rounds as the desktop does).
  viewPosition(view: number, event: MouseEvent): [number, number] {
    const canvas = this.canvases[view];
    const box = canvas.getBoundingClientRect();
    return [((event.clientX - box.left) * canvas.width) / box.width,
      ((event.clientY - box.top) * canvas.height) / box.height];
  }

  private placeOverlays(): void {
    this.overlays.forEach((overlay, view) => {
      const canvas = this.canvases[view];
      overlay.width = canvas.width * this.zoom;
      overlay.height = canvas.height * this.zoom;
      const style = getComputedStyle(canvas);
      overlay.style.left = style.left;
      overlay.style.top = style.top;
      overlay.style.width = style.width;
      overlay.style.height = style.height;
    });
  }

  drawOverlays(state: OverlayState): void {
    const z = this.zoom;
    this.overlays.forEach((overlay, view) => {
      const context = overlay.getContext('2d') as CanvasRenderingContext2D;
      context.clearRect(0, 0, overlay.width, overlay.height);
      if (!this.editor.loaded()) return;
      const nameTable = view === 1 || view === 2 ? 0 : 2;
      const screen = view === 1 || view === 3;
      if (state.shading) {
        context.fillStyle = 'rgba(0, 0, 0, 0.45)';
        if (screen) {
          for (let row = 0; row < 30; ++row)
            if (!this.editor.rowCarried(nameTable, row)) context.fillRect(0, row * 8 * z, 256 * z, 8 * z);
        } else if (view !== 0 && !this.editor.attributesCarried(nameTable)) {
          context.fillRect(0, 0, overlay.width, overlay.height);
        }
      }
      if (state.grid) {
        const step = (screen ? 8 : 16) * z;
        context.fillStyle = 'rgba(128, 128, 128, 0.6)';
        for (let x = step; x < overlay.width; x += step) context.fillRect(x, 0, 1, overlay.height);
        for (let y = step; y < overlay.height; y += step) context.fillRect(0, y, overlay.width, 1);
        if (view === 0) {
          context.strokeStyle = '#ff0';
          const tile = state.selectedTile;
          context.strokeRect((tile & 15) * 16 * z + 0.5, (tile >> 4) * 16 * z + 0.5, 16 * z - 1, 16 * z - 1);
        }
      }
      if (state.cursor && state.cursor.view === view) {
        const size = (screen ? 8 : 16) * z;
        context.strokeStyle = '#0ff';
        context.lineWidth = 2;
        context.strokeRect(state.cursor.cell[0] * size + 1, state.cursor.cell[1] * size + 1, size - 2, size - 2);
        context.lineWidth = 1;
      }
      const selection = state.selection;
      if (screen && selection && selection.nameTable === nameTable) {
        context.strokeStyle = '#fff';
        context.setLineDash([4, 3]);
        context.strokeRect(selection.column * 8 * z + 0.5, selection.row * 8 * z + 0.5,
          selection.width * 8 * z - 1, selection.height * 8 * z - 1);
        context.setLineDash([]);
      }
    });
  }
}
