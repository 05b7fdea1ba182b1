// The palette squares, the selector of the 64 colours, and the palette set button.
import { $, TARGETS, core, cssColour, editor, refreshAll, state } from './page';

export function buildSquares(): void {
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


function openSelector(target: number, index: number, square: HTMLElement): void {
  if (!editor.loaded()) return;
  const current = editor.openSquare(target, index);
  state.selectorOpener = square;
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
  state.selectorOpener?.focus();
}

export function nextPaletteSet(): void {
  if (!editor.loaded()) return;
  editor.nextPaletteSet();
  refreshAll();
}
