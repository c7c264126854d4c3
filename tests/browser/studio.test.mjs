// focara studio in a real browser: Debian's Chromium driven by playwright-core.
// Starts the built `focara studio` on a free loopback port and uses the page
// as a person would: menus, the dialog's items, keys, downloads.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import { openStudio, repo } from './studio-page.mjs';

let studio;
let base;
let context;
let page;
let pageErrors;

before(async () => {
  studio = await openStudio({ seed: 1 });
  ({ base, context, page, pageErrors } = studio);
});

after(async () => {
  await studio?.close();
});

// ---- Helpers

const dialog = (name = 'Vexo_Zoom') => page.locator(`.window.dialog[data-name="${name}"]`);
const item = (id) => dialog().locator(`.item[data-item-id="${id}"]`);
// The paths of the drawing the page shows, as the host counted them (a large drawing is a picture).
const pathCount = () => page.evaluate(() => Number(document.querySelector('#sheet').dataset.paths));

// Every request the page made is answered and shown.
async function idle() {
  await page.waitForFunction(() => document.body.dataset.pending === '0', null, { timeout: 60000 });
}

async function waitForPaths(count, timeout = 10000) {
  await page.waitForFunction((n) => document.querySelector('#sheet').dataset.paths === String(n), count, { timeout });
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

// Milliseconds from now until the page runs a timer, and until a click on a status bar button is handled.
async function responsiveness() {
  const ping = await page.evaluate(() => new Promise((resolve) => { const t0 = performance.now(); setTimeout(() => resolve(performance.now() - t0), 0); }));
  await page.evaluate(() => { window.clicked = null; document.querySelector('#zoom-text').addEventListener('click', () => { window.clicked = performance.now(); }, { once: true }); });
  const t0 = await page.evaluate(() => performance.now());
  await page.click('#zoom-text');
  const click = await page.evaluate((start) => window.clicked - start, t0);
  return { ping, click };
}

async function setOn(pageButton, id, value) {
  await item(pageButton).click();
  await typeInto(id, value);
}

test('the 252,000-path drawing (300 lines, 40 sets, 20 sketch copies) previews as a picture; the page stays usable', async () => {
  await item(161).selectOption({ label: ' Reset' });
  await idle();
  await setOn(93, 26, 40);  // page "Repeat": zoom sets
  await setOn(91, 15, 20);  // page "Create": sketch repeats
  await idle();
  await item(90).click();  // page "Zoom"
  await page.evaluate(() => { window.focaraTimings.length = 0; });
  await typeInto(11, 300);
  await page.waitForTimeout(300);
  const during = await responsiveness();
  await waitForPaths(252000, 60000);
  const [shown] = await page.evaluate(() => window.focaraTimings);
  console.log(`252,000 paths: preview shown after ${shown.toFixed(0)} ms; during it a timer ran after ${during.ping.toFixed(1)} ms, a click was handled after ${during.click.toFixed(1)} ms`);
  assert.equal(await page.locator('#sheet img.raster').count(), 1);
  assert.equal(await page.locator('#sheet path').count(), 0);
  assert.match(await page.textContent('#status-text'), /252000 paths/);
  // A pan asks the host for the part now in sight.
  const before = await page.locator('#sheet img.raster').getAttribute('src');
  await page.mouse.move(300, 400);
  await page.mouse.down();
  await page.mouse.move(200, 350, { steps: 4 });
  await page.mouse.up();
  await page.waitForFunction((src) => document.querySelector('#sheet img.raster')?.getAttribute('src') !== src, before, { timeout: 20000 });
  assert.equal(await dialog().count(), 1);
});

test('OK keeps all 252,000 paths in the document; Undo removes them', async () => {
  await page.keyboard.press('Enter');
  await dialog().waitFor({ state: 'detached' });
  await idle();
  assert.equal((await serverState()).document.paths, 252000);
  await waitForPaths(252000, 30000);
  await page.click('.menu[data-menu=edit] > .menu-title');
  await page.click('[data-command=undo]');
  await waitForPaths(0, 30000);
  assert.equal((await serverState()).document.paths, 0);
});

test('the largest drawing (744,000 paths) previews in seconds; Stop ends a preview, takes its lines away and turns Preview off', async () => {
  await openFilter();
  await idle();
  // Preview off while every setting goes to its maximum, then on: one preview of the largest drawing.
  await item(3).locator('input').uncheck();
  await idle();
  await setOn(93, 26, 40);
  await setOn(91, 15, 60);
  await item(95).click();
  await item(131).locator('input').check();
  await item(90).click();
  await typeInto(11, 300);
  await idle();
  await page.evaluate(() => { window.focaraTimings.length = 0; });
  await item(3).locator('input').check();
  await waitForPaths(744000, 60000);
  const [shown] = await page.evaluate(() => window.focaraTimings);
  console.log(`744,000 paths: preview shown after ${shown.toFixed(0)} ms`);

  // Once more, and stopped while it draws.
  await typeInto(11, 299);
  await page.waitForFunction(() => !document.querySelector('#progress').hidden, null, { timeout: 20000, polling: 20 });
  assert.match(await page.textContent('#progress-text'), /Drawing… [\d,]+ paths so far/);
  await page.click('#stop');
  await idle();
  await page.waitForFunction(() => document.querySelector('#notice').textContent.startsWith('Preview stopped'));
  assert.equal(await dialog().count(), 1, 'the dialog stays open');
  assert.equal(await item(3).locator('input').isChecked(), false, 'Preview is off');
  await waitForPaths(0);
  assert.equal((await serverState()).document.paths, 0);
  // Back to a small drawing for the steps that follow.
  await setOn(93, 26, 1);
  await setOn(91, 15, 0);
  await item(95).click();
  await item(131).locator('input').uncheck();
  await item(90).click();
  await typeInto(11, 30);
  await item(3).locator('input').check();
  await waitForPaths(30, 20000);
  // OK keeps these settings for the next run; Undo leaves the page empty again.
  await page.keyboard.press('Enter');
  await dialog().waitFor({ state: 'detached' });
  await page.click('.menu[data-menu=edit] > .menu-title');
  await page.click('[data-command=undo]');
  await waitForPaths(0);
  await openFilter();
  await idle();
});

test('value items carry their field: an accessible name and a tooltip with range and unit', async () => {
  const lines = item(11);
  assert.equal(await lines.getAttribute('aria-label'), 'Lines');
  assert.match(await lines.getAttribute('title'), /^Lines: .+\. 1 to 300 lines\.$/);
  assert.equal(await item(21).getAttribute('aria-label'), 'Zoom width');
  assert.match(await item(21).getAttribute('title'), /0 to 2000 pt/);
  assert.equal(await item(161).getAttribute('aria-label'), 'Preset');
  for (const id of await dialog().locator('.item.spin-edit:not([hidden]), .item.popup:not([hidden])').evaluateAll((els) => els.map((e) => e.dataset.itemId))) {
    assert.doesNotMatch(await item(id).getAttribute('aria-label'), /^Item /, `item ${id}`);
  }
  await item(95).click();  // page "Setting": "(R)" means random
  assert.match(await item(117).getAttribute('title'), /\(R\) means random/);
  await item(90).click();
});

test('the dialog cannot be dragged out of the window', async () => {
  const bar = dialog().locator('.titlebar .title');
  const box = await bar.boundingBox();
  await page.mouse.move(box.x + 20, box.y + 10);
  await page.mouse.down();
  await page.mouse.move(box.x + 2000, box.y - 900, { steps: 5 });
  await page.mouse.up();
  const win = await dialog().boundingBox();
  const size = page.viewportSize();
  assert.ok(win.x >= 0 && win.y >= 0 && win.x + win.width <= size.width + 1, JSON.stringify(win));
});

test('the preset popup shows a picture of each preset\'s drawing', async () => {
  await page.click(`.window.dialog .item[data-item-id="161"]`);
  const list = page.locator('.preset-list');
  await list.waitFor();
  assert.equal(await list.locator('[role=option]').count(), 25);
  await page.waitForFunction(() => [...document.querySelectorAll('.preset-list img')].length === 25 &&
    [...document.querySelectorAll('.preset-list img')].every((img) => img.complete && img.naturalWidth === 96), null, { timeout: 10000 });
  await list.locator('[role=option]:has-text(" 007")').click();
  await list.waitFor({ state: 'detached' });
  await idle();
  assert.equal(await item(11).inputValue(), '50');
  await item(161).selectOption({ label: ' Reset' });
  await idle();
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

test('File > New makes an A4 page, portrait or landscape', async () => {
  for (const [orientation, width, height] of [['portrait', 595.28, 841.89], ['landscape', 841.89, 595.28]]) {
    await page.click('.menu[data-menu=file] > .menu-title');
    await page.click('[data-command=new]');
    await page.selectOption('#new-size', 'a4');
    await page.selectOption('#new-orientation', orientation);
    await page.click('#new-ok');
    await idle();
    const doc = (await serverState()).document;
    assert.ok(Math.abs(doc.page.width - width) < 0.01 && Math.abs(doc.page.height - height) < 0.01, JSON.stringify(doc.page));
    assert.equal(doc.paths, 0);
    assert.match(await page.textContent('#status-text'), new RegExp(`^${width} × ${height} pt`));
  }
});

test('the page raised no script errors', () => {
  assert.deepEqual(pageErrors, []);
});
