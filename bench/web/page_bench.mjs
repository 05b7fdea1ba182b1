// The page in headless Chromium against the native core, measured in the same run:
//   Open (decode and all five views drawn) in the page over the native core in-process,
//   a stroke move with its redraw onto the canvas, and page load to interactive from a local
//   server. Prints one line per figure with its target.
// Needs the site (scripts/build-web.sh) and the native benchmark (build/bin/web_open_bench).
import { execFileSync } from 'node:child_process';
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { BUILD, startPage } from '../../web/tests/browser.mjs';

// The quickest of several repetitions on each side: on a shared machine the slower ones measure
// the other processes.
const nativeOpen = () => {
  const report = JSON.parse(execFileSync(join(BUILD, 'bin/web_open_bench'),
    ['--benchmark_format=json', '--benchmark_repetitions=5', '--benchmark_report_aggregates_only=false'],
    { stdio: ['ignore', 'pipe', 'ignore'] }));
  return Math.min(...report.benchmarks.filter((b) => b.run_type === 'iteration').map((b) => b.real_time));
};
let nativeOpenMs = nativeOpen();
const demo = readFileSync(join(BUILD, 'bin/demo.nes'));

const session = await startPage();
const { page, url } = session;
await page.goto(url);
await page.waitForSelector('body[data-ready=true]');
await page.evaluate(() => navigator.serviceWorker.ready);

// Page load to interactive: fresh navigations, from navigation start to the page's mark.
const loads = [];
for (let i = 0; i < 7; ++i) {
  await page.reload();
  await page.waitForSelector('body[data-ready=true]');
  loads.push(await page.evaluate(() => performance.getEntriesByName('pelmora-interactive')[0].startTime));
}

const figures = await page.evaluate((bytes) => {
  const { editor, views } = window.pelmora;
  const demo = Uint8Array.from(bytes);
  const open = () => {
    editor.open('demo.nes', demo);
    views.paint();
  };
  for (let i = 0; i < 20; ++i) open();  // warm up
  let openMs = Infinity;
  let start;
  for (let batch = 0; batch < 20; ++batch) {
    start = performance.now();
    for (let i = 0; i < 10; ++i) open();
    openMs = Math.min(openMs, (performance.now() - start) / 10);
  }

  // Strokes across a whole row of name table 0, one cell a move, each in a new tile, each move
  // drawn onto the canvas.
  let moves = 0;
  let strokeMs = 0;
  for (let tile = 1; tile <= 60; ++tile) {
    editor.pressTileSheet((tile % 16) * 16 + 4, Math.floor(tile / 16) * 16 + 4);
    editor.pressScreen(0, 4, 100);
    views.paint();
    start = performance.now();
    for (let column = 1; column < 32; ++column) {
      editor.moveOnScreen(0, column * 8 + 4, 100);
      views.paint();
    }
    strokeMs += performance.now() - start;
    moves += 31;
    editor.release();
  }
  return { openMs, moveMs: strokeMs / moves };
}, [...demo]);
await session.close();
nativeOpenMs = Math.min(nativeOpenMs, nativeOpen());

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const ratio = figures.openMs / nativeOpenMs;
console.log(`Open in the page: ${figures.openMs.toFixed(3)} ms; native in-process: ${nativeOpenMs.toFixed(3)} ms; ratio ${ratio.toFixed(2)} (target at most 2)`);
console.log(`Stroke move with its redraw: ${(figures.moveMs * 1000).toFixed(1)} µs (target at most 1 ms)`);
console.log(`Page load to interactive: median ${median(loads).toFixed(1)} ms of ${loads.length} loads, first ${loads[0].toFixed(1)} ms (target at most 300 ms)`);
