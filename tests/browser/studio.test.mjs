// focara studio in a real browser: Debian's Chromium driven by playwright-core.
// Starts the built `focara studio` on a free loopback port and uses the page
// as a person would: menus, the dialog's items, keys, downloads.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { spawn } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { chromium } from 'playwright-core';

const here = path.dirname(fileURLToPath(import.meta.url));
const repo = path.resolve(here, '../..');
const focara = process.env.FOCARA_BIN || path.join(repo, 'build/bin/focara');
const chromiumPath = process.env.FOCARA_CHROMIUM || '/usr/bin/chromium';

let server;
let serverErrors = '';
let base;
let profile;
let context;
let page;
const pageErrors = [];

function startStudio() {
  return new Promise((resolve, reject) => {
    const child = spawn(focara, ['studio', '--port', '0', '--seed', '1'], { stdio: ['ignore', 'pipe', 'pipe'] });
    let out = '';
    let err = '';
    const timer = setTimeout(() => reject(new Error(`focara studio did not start: ${out}${err}`)), 15000);
    child.stdout.on('data', (chunk) => {
      out += chunk;
      const match = out.match(/http:\/\/127\.0\.0\.1:(\d+)\//);
      if (match) {
        clearTimeout(timer);
        resolve({ child, url: match[0] });
      }
    });
    child.stderr.on('data', (chunk) => { err += chunk; serverErrors += chunk; });
    child.on('exit', (code) => { clearTimeout(timer); reject(new Error(`focara studio exited with ${code}: ${err}`)); });
  });
}

before(async () => {
  ({ child: server, url: base } = await startStudio());
  profile = fs.mkdtempSync(path.join(os.tmpdir(), 'focara-chromium-'));
  context = await chromium.launchPersistentContext(profile, {
    executablePath: chromiumPath,
    headless: true,
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
      '--disable-component-update', '--disable-sync'],
    viewport: { width: 1280, height: 800 },
    acceptDownloads: true,
  });
  page = context.pages()[0] || await context.newPage();
  page.on('pageerror', (e) => pageErrors.push(e.message));
  await page.goto(base);
  await page.waitForFunction(() => document.querySelector('#filter-menu button'));
});

after(async () => {
  await context?.close();
  if (profile) fs.rmSync(profile, { recursive: true, force: true });
  if (server && server.exitCode === null) {
    const exited = new Promise((resolve) => server.on('exit', resolve));
    server.kill('SIGTERM');
    // A clean stop, and in a sanitizer build no report at exit.
    assert.equal(await exited, 0, serverErrors);
  }
});

// ---- Helpers

const dialog = (name = 'Vexo_Zoom') => page.locator(`.window.dialog[data-name="${name}"]`);
const item = (id) => dialog().locator(`.item[data-item-id="${id}"]`);
const pathCount = () => page.locator('#sheet path').count();

// Every request the page made is answered and shown.
async function idle() {
  await page.waitForFunction(() => document.body.dataset.pending === '0', null, { timeout: 60000 });
}

async function waitForPaths(count, timeout = 10000) {
  await page.waitForFunction((n) => document.querySelectorAll('#sheet path').length === n, count, { timeout });
}

async function serverState() {
  const res = await fetch(`${base}api/state`);
  return res.json();
}

async function openFilter() {
  await page.click('.menu[data-menu=filter] > .menu-title');
  await page.hover('text=Lumo <Create>');
  await page.click('#filter-menu button[data-command=filter]:has-text("Focara...")');
  await dialog().waitFor();
}

// The bold caption names the page shown.
const shownPage = () => dialog().locator('.item.static-text.bold:not([hidden])').textContent();

async function typeInto(id, value) {
  const box = item(id);
  await box.fill(String(value));
  await box.press('Tab');
}

async function spinValues() {
  return dialog().locator('.item.spin-edit').evaluateAll((boxes) => boxes.map((b) => b.value));
}

// ---- Steps, in the order a person would take them

test('the Filter menu offers the category and title the plug-in registered', async () => {
  await page.click('.menu[data-menu=filter] > .menu-title');
  await page.hover('text=Lumo <Create>');
  const title = page.locator('#filter-menu button[data-command=filter]');
  assert.equal(await title.textContent(), 'Focara...');
  assert.ok(await title.isVisible());
  await page.keyboard.press('Escape');
  await page.mouse.click(5, 400);
});

test('Help > About shows the About box from its template; Enter closes it', async () => {
  await page.click('.menu[data-menu=help] > .menu-title');
  assert.equal(await page.textContent('#about-item'), 'About Focara...');
  await page.click('#about-item');
  const about = dialog('About Dialog');
  await about.waitFor();
  assert.equal(await about.locator('.title').textContent(), 'Focara Plug-in About');
  assert.match(await about.textContent(), /Version 1\.0\.0/);
  await page.keyboard.press('Enter');
  await about.waitFor({ state: 'detached' });
});

test('the filter opens its dialog on page "Zoom" with 30 lines and a preview of 30 paths', async () => {
  await openFilter();
  assert.equal(await dialog().locator('.title').textContent(), 'Focara Plug-in');
  const client = await dialog().locator('.client').boundingBox();
  assert.equal(Math.round(client.width), 460);
  assert.equal(Math.round(client.height), 355);
  assert.equal(await shownPage(), 'Zoom');
  assert.equal(await item(11).inputValue(), '30');
  await waitForPaths(30);
});

test('typing 50 lines redraws a preview of 50 paths within 100 ms', async () => {
  await idle();
  await page.evaluate(() => { window.focaraTimings.length = 0; });
  for (const value of [40, 45, 50]) {
    await typeInto(11, value);
    await waitForPaths(value);
    await idle();
  }
  const timings = await page.evaluate(() => window.focaraTimings);
  const median = [...timings].sort((a, b) => a - b)[Math.floor(timings.length / 2)];
  console.log(`preview latency (ms): ${timings.map((x) => x.toFixed(1)).join(', ')}`);
  assert.ok(median < 100, `median preview latency ${median.toFixed(1)} ms`);
});

test('page "Setting": "Drop shadow" on gives 100 paths', async () => {
  await item(95).click();
  await page.waitForFunction(() => document.querySelector('.window.dialog .item.static-text.bold')?.textContent === 'Setting');
  await item(131).locator('input').check();
  await waitForPaths(100);
  await item(131).locator('input').uncheck();
  await waitForPaths(50);
});

test('preset " 007" gives 50 lines on page "Zoom"', async () => {
  await item(161).selectOption({ label: ' 007' });
  await page.waitForFunction(() => document.querySelector('.window.dialog .item.static-text.bold:not([hidden])')?.textContent === 'Zoom');
  await idle();
  assert.equal(await item(11).inputValue(), '50');
  assert.ok(await item(11).isVisible());
});

test('Tumble changes the values', async () => {
  await idle();
  const before = await spinValues();
  await item(162).click();
  await idle();
  const after = await spinValues();
  assert.notDeepEqual(after, before);
});

test('a pick button takes the point clicked on the page: "Zoom center"', async () => {
  await item(91).click();  // page "Create"
  await item(163).click();
  assert.ok(await page.locator('#canvas.picking').count());
  const sheet = await page.locator('#sheet').boundingBox();
  const scale = sheet.width / 612;
  // The artwork point (200, 300): y counts up from the bottom of the page.
  await page.mouse.click(sheet.x + 200 * scale, sheet.y + (792 - 300) * scale);
  await idle();
  const x = Number(await item(6).inputValue());
  const y = Number(await item(7).inputValue());
  assert.ok(Math.abs(x - 200) <= 1 && Math.abs(y - 300) <= 1, `picked (${x}, ${y})`);
  assert.equal(await page.locator('#canvas.picking').count(), 0);
  await item(90).click();  // back to page "Zoom"
});

test('a large drawing (40 sets of 300 lines) keeps the page responsive and shows the busy state', async () => {
  await item(161).selectOption({ label: ' Reset' });
  await idle();
  await item(93).click();  // page "Repeat"
  await typeInto(26, 40);
  await idle();
  await item(90).click();  // page "Zoom"
  await page.evaluate(() => {
    window.sawBusy = false;
    new MutationObserver(() => { if (document.body.classList.contains('busy')) window.sawBusy = true; })
      .observe(document.body, { attributes: true });
  });
  // Several quick changes: superseded previews are dropped, the last one is drawn.
  for (const value of [100, 200, 300]) await typeInto(11, value);
  const started = Date.now();
  const ping = await page.evaluate(() => new Promise((resolve) => { const t0 = performance.now(); setTimeout(() => resolve(performance.now() - t0), 0); }));
  assert.ok(ping < 200, `the page answered a timer after ${ping} ms`);
  await waitForPaths(12000, 60000);
  console.log(`40 x 300 preview shown after ${Date.now() - started} ms`);
  assert.equal(await page.evaluate(() => window.sawBusy), true);
  await typeInto(11, 30);
  await item(93).click();
  await typeInto(26, 1);
  await item(90).click();
  await waitForPaths(30, 20000);
});

test('Cancel (Escape) leaves the document empty again', async () => {
  if (!(await dialog().count())) await openFilter();
  await page.keyboard.press('Escape');
  await dialog().waitFor({ state: 'detached' });
  await waitForPaths(0);
  assert.equal((await serverState()).document.paths, 0);
});

test('OK (Enter) keeps the lines; Undo removes them and Redo brings them back', async () => {
  await openFilter();
  await idle();
  await page.keyboard.press('Enter');
  await dialog().waitFor({ state: 'detached' });
  await waitForPaths(30);
  await page.click('.menu[data-menu=edit] > .menu-title');
  await page.click('[data-command=undo]');
  await waitForPaths(0);
  await page.keyboard.press('Control+Shift+Z');
  await waitForPaths(30);
});

test('closing the page mid-dialog cancels the filter', async () => {
  const other = await context.newPage();
  await other.goto(base);
  await other.waitForFunction(() => document.querySelector('#filter-menu button'));
  await other.waitForTimeout(200);  // its first heartbeat
  await other.click('.menu[data-menu=filter] > .menu-title');
  await other.hover('text=Lumo <Create>');
  await other.click('#filter-menu button[data-command=filter]');
  await other.locator('.window.dialog').waitFor();
  await other.close({ runBeforeUnload: true });
  let state;
  for (let i = 0; i < 50; ++i) {
    state = await serverState();
    if (!state.dialogs.length) break;
    await new Promise((r) => setTimeout(r, 100));
  }
  assert.equal(state.dialogs.length, 0);
  assert.equal(state.document.paths, 30, 'the document is as it was before the dialog');
  await page.reload();
  await waitForPaths(30);
});

test('a malformed document is refused with the reader\'s one-line message', async () => {
  await page.setInputFiles('#open-file', { name: 'broken.json', mimeType: 'application/json', buffer: Buffer.from('{"page": {"width": -5}}') });
  const box = page.locator('.window.message');
  await box.waitFor();
  const text = await box.locator('.body').textContent();
  assert.match(text, /^broken\.json: page\.width: /);
  assert.ok(!text.includes('\n'));
  await page.keyboard.press('Enter');
  await box.waitFor({ state: 'detached' });
  assert.equal(await pathCount(), 30);
});

test('Save document and Export SVG download files', async () => {
  for (const [menu, command, name] of [['file', 'save', 'focara.json'], ['file', 'export-svg', 'focara.svg']]) {
    await page.click(`.menu[data-menu=${menu}] > .menu-title`);
    const download = page.waitForEvent('download');
    await page.click(`[data-command=${command}]`);
    const file = await download;
    assert.equal(file.suggestedFilename(), name);
    const text = fs.readFileSync(await file.path(), 'utf8');
    if (name.endsWith('.json')) assert.equal(JSON.parse(text).layers[0].art.length, 30);
    else assert.equal((text.match(/<path/g) || []).length, 30);
  }
});

test('Export PNG asks for the resolution and background and downloads a valid PNG', async () => {
  const exportPng = async (fill) => {
    await page.click('.menu[data-menu=file] > .menu-title');
    await page.click('[data-command=export-png]');
    const box = page.locator('.export-png');
    await box.waitFor();
    await fill(box);
    const download = page.waitForEvent('download');
    await box.locator('button', { hasText: 'Export' }).click();
    const file = await download;
    assert.equal(file.suggestedFilename(), 'focara.png');
    return fs.readFileSync(await file.path());
  };
  let bytes = await exportPng(async () => {});
  assert.deepEqual([...bytes.subarray(0, 8)], [0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a]);
  assert.equal(bytes.toString('latin1', 12, 16), 'IHDR');
  // The page at 150 pixels per inch: 612 by 792 points are 8.5 by 11 inches.
  assert.equal(bytes.readUInt32BE(16), 1275);
  assert.equal(bytes.readUInt32BE(20), 1650);
  assert.equal(bytes[25], 2, 'white: RGB');

  bytes = await exportPng(async (box) => {
    await box.locator('input[name=dpi]').fill('72');
    await box.locator('select[name=background]').selectOption('none');
  });
  assert.equal(bytes.readUInt32BE(16), 612);
  assert.equal(bytes[25], 6, 'transparent: RGBA');
});

test('a screenshot of the open dialog for the README (docs/studio.png)', async () => {
  await page.click('.menu[data-menu=edit] > .menu-title');
  await page.click('[data-command=undo]');
  await waitForPaths(0);
  await openFilter();
  await idle();
  await waitForPaths(30);
  await page.mouse.move(0, 0);
  await page.screenshot({ path: path.join(repo, 'docs/studio.png') });
  await page.keyboard.press('Escape');
  await dialog().waitFor({ state: 'detached' });
});

test('the page raised no script errors', () => {
  assert.deepEqual(pageErrors, []);
});
