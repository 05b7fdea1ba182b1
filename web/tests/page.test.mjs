// The page in a real Chromium: what it shows and what it saves must be what the native core
// shows and saves. The reference pictures and images come from pelmora-cli, built natively.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { after, before, test } from 'node:test';
import { BUILD, chooseFile, startPage } from './browser.mjs';

const CLI = join(BUILD, 'bin/pelmora-cli');
const DEMO = join(BUILD, 'bin/demo.nes');
const VIEWS = { PAT0: 'tiles', NAT0: 'screen0', ATT0: 'attr0', NAT1: 'screen1', ATT1: 'attr1' };
const work = mkdtempSync(join(tmpdir(), 'pelmora-page-'));
let session;
let page;
let requestsWhenReady = 0;
const pageErrors = [];

const cli = (...args) => execFileSync(CLI, args, { stdio: 'pipe' });
const file = (name, bytes) => {
  writeFileSync(join(work, name), bytes);
  return join(work, name);
};

// The pixels of each canvas that differ from the PNG the command line renders of the same view.
async function differingPixels(rom, presses = 0) {
  const counts = {};
  for (const [id, view] of Object.entries(VIEWS)) {
    const png = join(work, `${view}.png`);
    cli('render', rom, '--view', view, '--palette-set', String(presses), '-o', png);
    counts[id] = await page.evaluate(async ({ id, png }) => {
      const bytes = Uint8Array.from(atob(png), (c) => c.charCodeAt(0));
      const bitmap = await createImageBitmap(new Blob([bytes]), { colorSpaceConversion: 'none', premultiplyAlpha: 'none' });
      const reference = new OffscreenCanvas(bitmap.width, bitmap.height).getContext('2d');
      reference.drawImage(bitmap, 0, 0);
      const canvas = document.getElementById(id);
      const want = reference.getImageData(0, 0, bitmap.width, bitmap.height).data;
      const got = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
      if (want.length !== got.length) return -1;
      let differing = 0;
      for (let i = 0; i < got.length; i += 4)
        if (got[i] !== want[i] || got[i + 1] !== want[i + 1] || got[i + 2] !== want[i + 2]) ++differing;
      return differing;
    }, { id, png: readFileSync(png).toString('base64') });
  }
  return counts;
}

const allZero = { PAT0: 0, NAT0: 0, ATT0: 0, NAT1: 0, ATT1: 0 };

async function dismissMessage() {
  const text = await page.textContent('#messageText');
  const reason = await page.textContent('#messageReason');
  await page.click('#messageYes');
  return { text, reason };
}

// Opens a file, discarding unsaved edits when the page asks about them.
async function openFile(name, bytes) {
  await chooseFile(page, 'openFile', name, bytes);
  await page.waitForSelector('#messageBox[open]');
  if ((await page.textContent('#messageText')).startsWith('Save changes to')) {
    await page.click('#messageOther');
    await page.waitForSelector('#messageBox[open]');
  }
  return dismissMessage();
}

// Runs `action` and returns the bytes of the download it starts.
async function downloaded(action) {
  const [download] = await Promise.all([page.waitForEvent('download'), action()]);
  return readFileSync(await download.path());
}

// A press-and-drag on a canvas, in view pixels.
async function drag(id, from, to) {
  const box = await page.locator(`#${id}`).boundingBox();
  await page.mouse.move(box.x + from[0] + 0.5, box.y + from[1] + 0.5);
  await page.mouse.down();
  await page.mouse.move(box.x + to[0] + 0.5, box.y + to[1] + 0.5, { steps: 4 });
  await page.mouse.up();
}

before(async () => {
  session = await startPage();
  page = session.page;
  page.on('pageerror', (error) => pageErrors.push(error.message));
  page.on('console', (message) => message.type() === 'error' && pageErrors.push(message.text()));
  await page.goto(session.url);
  await page.waitForSelector('body[data-ready=true]');
  await page.evaluate(() => navigator.serviceWorker.ready);
  requestsWhenReady = session.requests.length;
});

after(async () => session?.close());

test('the demo image opens and every view shows what the core draws, before and after P', async () => {
  assert.deepEqual(await openFile('demo.nes', readFileSync(DEMO)), { text: 'File loaded!', reason: '' });
  assert.equal(await page.title(), 'Pelmora 0.80.0[demo.nes]');
  assert.deepEqual(await differingPixels(DEMO), allZero);
  await page.keyboard.press('p');
  assert.deepEqual(await differingPixels(DEMO, 1), allZero);
  assert.equal(await page.textContent('#paletteSetLabel'), 'palette set 1 of 5');
  for (let press = 1; press < 6; ++press) await page.click('#cmdChangePal');
  assert.equal(await page.textContent('#paletteSetLabel'), 'ROM palette');
});

test('an unedited Save is byte for byte the native re-save', async () => {
  const saved = await downloaded(() => page.click('#cmdSaveFile'));
  assert.equal((await dismissMessage()).text, 'File saved!');
  const native = join(work, 'resaved.nes');
  cli('resave', DEMO, '-o', native);
  assert.ok(saved.equals(readFileSync(native)));
});

test('Open Demo Image opens the image the native build writes', async () => {
  await page.click('#actionOpenDemo');
  await page.waitForSelector('#messageBox[open]');
  assert.equal((await dismissMessage()).text, 'File loaded!');
  const saved = await downloaded(() => page.click('#cmdSaveFile'));
  await dismissMessage();
  assert.ok(saved.equals(readFileSync(join(work, 'resaved.nes'))));
});

test('strokes, presses, a colour and a tile edit are one command each, undone and saved as the core does', async () => {
  await drag('PAT0', [40, 8], [40, 8]);  // tile $02
  assert.equal(await page.textContent('#lblTileID'), '02');
  await drag('NAT0', [20, 100], [60, 120]);
  assert.equal(await page.textContent('#actionUndo'), 'Undo Paint Tiles');
  assert.match(await page.title(), /\[demo\.nes\]\*$/);
  await page.keyboard.press('Control+z');
  assert.deepEqual(await differingPixels(DEMO), allZero);
  assert.equal(await page.title(), 'Pelmora 0.80.0[demo.nes]');
  await page.keyboard.press('Control+Shift+z');
  assert.equal(await page.textContent('#actionUndo'), 'Undo Paint Tiles');

  await page.check('#optAttSel2');
  await drag('ATT0', [40, 40], [40, 40]);
  assert.equal(await page.textContent('#actionUndo'), 'Undo Set Attribute');
  await drag('ATT1', [40, 40], [40, 40]);
  assert.notEqual(await page.textContent('#statusMessage'), '');  // refused, with the reason
  await page.click('#lbl_bkgpal0_5');
  await page.click('#lblnespal_22');
  assert.equal(await page.textContent('#actionUndo'), 'Undo Change Colour');

  // The keyboard reaches the same press: arrows move the view's cursor on from the cell last
  // pressed (col 2, row 12), Enter presses.
  await page.focus('#NAT0');
  for (const key of ['ArrowLeft', 'ArrowLeft', 'ArrowUp', 'ArrowUp', 'ArrowUp', 'Enter']) await page.keyboard.press(key);
  assert.equal(await page.textContent('#actionUndo'), 'Undo Place Tile');
  assert.match(await page.textContent('#readout'), /^Name table 0, col 0, row 9: tile \$02/);

  await page.click('#cmdFlipTileH');
  await drag('tilePixelCanvas', [4, 4], [60, 4]);  // a row of the tile in colour value 0
  assert.equal(await page.textContent('#actionUndo'), 'Undo Edit Tile');

  // The native core given the page's name table, palette and tiles must write the same image.
  await page.selectOption('#exportKind', 'chr');
  const chr = await downloaded(() => page.click('#actionExport'));
  await page.selectOption('#exportKind', 'nam0');
  const nam = await downloaded(() => page.click('#actionExport'));
  await page.selectOption('#exportKind', 'pal');
  const pal = await downloaded(() => page.click('#actionExport'));
  const native = join(work, 'edited.nes');
  cli('apply', DEMO, '--nam0', file('page.nam', nam), '--pal', file('page.pal', pal), '--chr', file('page.chr', chr), '-o', native);
  const saved = await downloaded(() => page.click('#cmdSaveFile'));
  await dismissMessage();
  assert.ok(saved.equals(readFileSync(native)));
  assert.deepEqual(await differingPixels(native), allZero);
});

test('a BPS patch made in the page applies natively and in the page to the same image', async () => {
  const edited = readFileSync(join(work, 'edited.nes'));
  await openFile('demo.nes', readFileSync(DEMO));
  await drag('NAT0', [100, 60], [100, 60]);
  await page.selectOption('#patchFormat', 'bps');
  const patch = await downloaded(() => page.click('#actionCreatePatch'));
  const target = await downloaded(() => page.click('#cmdSaveFile'));
  await dismissMessage();
  const native = join(work, 'patched.nes');
  cli('apply', DEMO, '--patch', file('page.bps', patch), '-o', native);
  assert.ok(target.equals(readFileSync(native)));

  await openFile('demo.nes', readFileSync(DEMO));
  await chooseFile(page, 'applyPatchFile', 'page.bps', patch);
  await page.waitForFunction(() => document.getElementById('actionUndo').textContent === 'Undo Apply Patch');
  const applied = await downloaded(() => page.click('#cmdSaveFile'));
  await dismissMessage();
  assert.ok(applied.equals(target));
  assert.ok(!applied.equals(edited));
});

test('a picture imported as the title keeps its colours through the browser decoder', async () => {
  const picture = join(work, 'screen0.png');
  cli('render', DEMO, '--view', 'screen0', '-o', picture);
  await page.selectOption('#importKind', 'picture');
  await chooseFile(page, 'importFile', 'screen0.png', readFileSync(picture));
  await page.waitForSelector('#pictureImportDialog[open]');
  assert.match(await page.textContent('#lblImportCounts'), /^Tiles used: \d+ · new: 0 · reused: \d+ · merged: 0 · pixels changed: 0$/);
  await page.click('#pictureApply');
  assert.equal(await page.textContent('#actionUndo'), 'Undo Import Picture');
  await page.keyboard.press('Control+z');
  assert.doesNotMatch(await page.title(), /\*/);
});

test('a file that is no ROM image is refused with the reason and the document stays', async () => {
  const title = await page.title();
  assert.deepEqual(await openFile('notes.nes', Buffer.from('These are notes, not a ROM image.\n')),
    { text: 'Error loading file!', reason: 'The file is not an iNES image (it does not start with NES)' });
  assert.deepEqual(await openFile('short.nes', readFileSync(DEMO).subarray(0, 10)),
    { text: 'Error loading file!', reason: 'The file is too short for an iNES image' });
  assert.equal(await page.title(), title);
});

test('an image that fails the game check opens only when the user says so, and Save asks again', async () => {
  const other = Buffer.from(readFileSync(DEMO));
  other.fill(0xff, 16 + 0x30ada, 16 + 0x30ada + 3);  // the first coin-call site
  const title = await page.title();
  await chooseFile(page, 'openFile', 'other.nes', other);
  await page.waitForSelector('#messageBox[open]');
  assert.match(await page.textContent('#messageText'), /^This does not look like an image of the game .* Open anyway\?$/);
  await page.click('#messageNo');
  assert.equal(await page.title(), title);
  await chooseFile(page, 'openFile', 'other.nes', other);
  await page.waitForSelector('#messageBox[open]');
  await page.click('#messageYes');
  await page.waitForFunction(() => document.getElementById('messageText').textContent === 'File loaded!');
  await dismissMessage();
  assert.equal(await page.title(), 'Pelmora 0.80.0[other.nes] (unverified image)');
  await page.click('#cmdSaveFile');
  await page.waitForSelector('#messageBox[open]');
  assert.match(await page.textContent('#messageText'), /fixed places\. Save anyway\?$/);
  await page.click('#messageNo');
});

test('nothing is fetched after the page has loaded, nothing failed in it, and it loads again offline', async () => {
  assert.deepEqual(session.requests.slice(requestsWhenReady), []);
  assert.deepEqual(pageErrors, []);
  await session.browser.setOffline(true);
  await page.reload();
  await page.waitForSelector('body[data-ready=true]');
  await session.browser.setOffline(false);
});
