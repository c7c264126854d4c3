// What every browser test file starts from: the built `focara studio` on a
// free loopback port and Debian's Chromium on its page, and a clean stop.
import assert from 'node:assert/strict';
import { spawn } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { chromium } from 'playwright-core';

export const repo = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');
const focara = process.env.FOCARA_BIN || path.join(repo, 'build/bin/focara');
const chromiumPath = process.env.FOCARA_CHROMIUM || '/usr/bin/chromium';

function startServer(seed, errors) {
  return new Promise((resolve, reject) => {
    const child = spawn(focara, ['studio', '--port', '0', '--seed', String(seed)], { stdio: ['ignore', 'pipe', 'pipe'] });
    let out = '';
    const timer = setTimeout(() => reject(new Error(`focara studio did not start: ${out}${errors.text}`)), 15000);
    child.stdout.on('data', (chunk) => {
      out += chunk;
      const match = out.match(/http:\/\/127\.0\.0\.1:(\d+)\//);
      if (match) { clearTimeout(timer); resolve({ child, url: match[0] }); }
    });
    child.stderr.on('data', (chunk) => { errors.text += chunk; });
    child.on('exit', (code) => { clearTimeout(timer); reject(new Error(`focara studio exited with ${code}: ${errors.text}`)); });
  });
}

// The studio started with `seed` and its page open and ready: { base, context,
// page, pageErrors, close }. close() ends both and checks that the studio
// stopped cleanly (in a sanitizer build: with no report at exit).
export async function openStudio({ seed = 1 } = {}) {
  const errors = { text: '' };
  const { child: server, url: base } = await startServer(seed, errors);
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'focara-chromium-'));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: chromiumPath,
    headless: true,
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
      '--disable-component-update', '--disable-sync'],
    viewport: { width: 1280, height: 800 },
    acceptDownloads: true,
  });
  const page = context.pages()[0] || await context.newPage();
  const pageErrors = [];
  page.on('pageerror', (e) => pageErrors.push(e.message));
  await page.goto(base);
  await page.waitForFunction(() => document.querySelector('#filter-menu button'));

  async function close() {
    await context.close();
    fs.rmSync(profile, { recursive: true, force: true });
    if (server.exitCode === null) {
      const exited = new Promise((resolve) => server.on('exit', resolve));
      server.kill('SIGTERM');
      assert.equal(await exited, 0, errors.text);
    }
  }
  return { base, context, page, pageErrors, close };
}
