// The File commands: Open, Save, patches, and files exported and imported, each a core call
// with the desktop's messages.
import type { OpenOutcome } from '@pelmora/core';
import { ask, askThree, showMessage } from './dialogs';
import { baseName, download, fileBytes, pictureRgba } from './files';
import { $, ATT0, ATT1, NAT0, NAT1, PAT0, core, editor, refreshAll, refreshHistory, showOutcomeError, showStatus, state, views } from './page';

// Unsaved edits are offered for saving first; a Save that fails keeps them and goes no further.
async function mayDiscard(): Promise<boolean> {
  editor.release();
  if (!editor.loaded() || !editor.modified()) return true;
  const answer = await askThree(`Save changes to ${state.fileName} before closing?`, 'Save', 'Discard');
  if (answer === 'other') return true;
  if (answer === 'no') return false;
  await saveFile();
  return !editor.modified();
}

export async function openBytes(name: string, bytes: Uint8Array): Promise<void> {
  await openWith(() => editor.open(name, bytes));
}

// A failed Open leaves the document as it was and says why; an image that fails the game check
// is opened only when the user says so.
export async function openWith(load: () => OpenOutcome): Promise<void> {
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
  state.fileName = editor.fileName();
  state.selection = null;
  $<HTMLInputElement>('optAttSel0').checked = true;
  editor.selectAttributePalette(0);
  refreshAll();
  await showMessage('File loaded!');
}

export async function saveFile(): Promise<void> {
  editor.release();
  if (!editor.loaded()) return showMessage('No file loaded!');
  if (editor.unverified() && !(await ask(`${core.unexpectedGameStatement()} Save anyway?`, 'Save'))) return;
  const saved = editor.save();
  if (!saved.ok) return showMessage(saved.message, saved.reason);
  download(editor.output().slice(), state.fileName);
  refreshHistory();
  await showMessage(saved.message);
}

export function createPatch(): void {
  const format = $<HTMLSelectElement>('patchFormat').value;
  const made = editor.createPatch(format);
  if (!made.ok) return showOutcomeError(made);
  const bytes = editor.output().slice();
  const name = `${baseName(state.fileName)}.${format}`;
  download(bytes, name);
  showStatus(`Patch written to ${name} (${bytes.length} bytes).`);
}

export async function applyPatch(file: File): Promise<void> {
  const bytes = await fileBytes(file);
  editor.inputBuffer(bytes.length).set(bytes);
  const applied = editor.applyPatch();
  if (!applied.ok) return showOutcomeError(applied);
  refreshAll();
  showStatus(`Patch ${file.name} applied.`);
}

export function exportFile(kind: string): void {
  const base = baseName(state.fileName);
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

export async function importFile(kind: string, file: File): Promise<void> {
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
