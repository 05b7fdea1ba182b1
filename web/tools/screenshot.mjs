// Takes docs/screenshots/web-page.png: the page in headless Chromium with the demo image open,
// a tile chosen on the tile sheet and placed on the screen, the grid shown.
// Usage (after scripts/build-web.sh and the native build): node web/tools/screenshot.mjs
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { BUILD, ROOT, chooseFile, startPage } from '../tests/browser.mjs';

const session = await startPage();
const { page } = session;
await page.goto(session.url);
await page.waitForSelector('body[data-ready=true]');
await chooseFile(page, 'openFile', 'demo.nes', readFileSync(join(BUILD, 'bin/demo.nes')));
await page.click('#messageYes');
const press = async (id, x, y) => {
  const box = await page.locator(`#${id}`).boundingBox();
  await page.mouse.click(box.x + x, box.y + y);
};
await press('PAT0', 1 * 16 + 4, 1 * 16 + 4);  // tile $11, a letter
await press('NAT0', 28, 68);
await page.keyboard.press('g');
await page.evaluate(() => document.activeElement?.blur());
const box = await page.locator('#NAT0').boundingBox();
await page.mouse.move(box.x + 28, box.y + 68);
await page.screenshot({ path: join(ROOT, 'docs/screenshots/web-page.png') });
await session.close();
