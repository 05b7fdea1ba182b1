// Shared by the page tests and the page benchmark: the built site on a local server, and Debian's
// Chromium started headless with a fresh profile (no browser is downloaded).
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { chromium } from 'playwright-core';
import { serveSite } from '../tools/serve.mjs';

export const ROOT = resolve(fileURLToPath(new URL('../..', import.meta.url)));
export const SITE = process.env.PELMORA_SITE ?? join(ROOT, 'build-web/site');
export const BUILD = process.env.PELMORA_BUILD ?? join(ROOT, 'build');

// A server that notes every path asked for, and a browser on it.
export async function startPage() {
  const requests = [];
  const server = await serveSite(SITE, 0, (path) => requests.push(path));
  const profile = mkdtempSync(join(tmpdir(), 'pelmora-chromium-'));
  const browser = await chromium.launchPersistentContext(profile, {
    executablePath: process.env.PELMORA_CHROMIUM ?? '/usr/bin/chromium',
    headless: true,
    acceptDownloads: true,
    viewport: { width: 1100, height: 820 },
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync'],
  });
  const page = browser.pages()[0] ?? (await browser.newPage());
  const url = `http://127.0.0.1:${server.address().port}/`;
  const close = async () => {
    await browser.close();
    server.close();
    rmSync(profile, { recursive: true, force: true });
  };
  return { page, url, requests, close, browser };
}

// Opens a file through the page's file chooser, as a user does.
export async function chooseFile(page, inputId, name, bytes) {
  await page.setInputFiles(`#${inputId}`, { name, mimeType: 'application/octet-stream', buffer: Buffer.from(bytes) });
}
