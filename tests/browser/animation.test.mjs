// File > Export Animation in Chromium: the box, a refusal, the frames drawn
// and playing in the page, and the files saved; then the Looks menu.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import path from 'node:path';
import { openStudio } from './studio-page.mjs';

const shots = process.env.FOCARA_SCREENSHOTS;  // a folder: the steps are photographed there

let studio;
let page;
let pageErrors;

before(async () => {
  studio = await openStudio({ seed: 3 });
  ({ page, pageErrors } = studio);
});

after(async () => {
  await studio?.close();
});

const shot = async (name) => { if (shots) await page.screenshot({ path: path.join(shots, `${name}.png`) }); };
const box = () => page.locator('.window.export-animation');

async function openExportAnimation() {
  await page.click('.menu[data-menu=file] > .menu-title');
  await page.click('[data-command=export-animation]');
  await box().waitFor();
}

test('without a kept drawing the box says to run the filter first', async () => {
  await openExportAnimation();
  await box().locator('button:has-text("Draw")').click();
  await box().locator('.status.error').filter({ hasText: 'run the filter and click OK first' }).waitFor();
  await page.keyboard.press('Escape');
  assert.equal(await box().count(), 0);
});

test('the frames of a kept drawing play in the box and are saved', async () => {
  await page.click('.menu[data-menu=filter] > .menu-title');
  await page.hover('text=Lumo <Create>');
  await page.click('#filter-menu button[data-command=filter]');
  await page.locator('.window.dialog').waitFor();
  // Lines of random lengths, so that every frame draws differently.
  const spread = page.locator('.window.dialog .item[data-item-id="23"]');
  await spread.fill('60');
  await spread.press('Tab');
  await page.waitForFunction(() => document.body.dataset.pending === '0');
  await page.keyboard.press('Enter');
  await page.locator('.window.dialog').waitFor({ state: 'detached' });
  await page.waitForFunction(() => document.body.dataset.pending === '0');

  await openExportAnimation();
  await box().locator('input[name=frames]').fill('601');
  await box().locator('button:has-text("Draw")').click();
  await box().locator('.status.error').filter({ hasText: 'frames 601: expected a whole number from 1 to 600' }).waitFor();
  await shot('animation-refused');

  await box().locator('input[name=frames]').fill('6');
  await box().locator('input[name=fps]').fill('6');
  await box().locator('input[name=dpi]').fill('40');
  await box().locator('button:has-text("Draw")').click();
  const preview = box().locator('img.preview');
  await preview.waitFor({ state: 'visible', timeout: 60000 });
  await page.waitForFunction(() => document.querySelector('.export-animation img.preview').naturalWidth > 0);
  // An animated WebP of 6 frames at the page's size.
  const shown = await preview.evaluate(async (img) => {
    const bytes = new Uint8Array(await (await fetch(img.src)).arrayBuffer());
    const text = new TextDecoder('latin1').decode(bytes);
    return { width: img.naturalWidth, frames: text.split('ANMF').length - 1, riff: text.slice(0, 4) };
  });
  assert.deepEqual(shown, { width: 340, frames: 6, riff: 'RIFF' });
  assert.match(await box().locator('.status').textContent(), /6 frames at 6 per second/);
  await shot('animation-webp');

  const [download] = await Promise.all([page.waitForEvent('download'), box().locator('button:has-text("Save")').click()]);
  assert.equal(download.suggestedFilename(), 'focara.webp');

  // A PNG sequence is played by the page: the picture changes frame after frame.
  await box().locator('select[name=format]').selectOption('png');
  await box().locator('input[name=frames]').fill('3');
  await box().locator('button:has-text("Draw")').click();
  await page.waitForFunction(() => /3 files/.test(document.querySelector('.export-animation .status').textContent), null, { timeout: 60000 });
  const sources = new Set();
  for (let i = 0; i < 8 && sources.size < 3; ++i) {
    sources.add(await preview.getAttribute('src'));
    await page.waitForTimeout(90);
  }
  assert.equal(sources.size, 3);
  await shot('animation-png-sequence');
  const names = [];
  page.on('download', (d) => names.push(d.suggestedFilename()));
  await box().locator('button:has-text("Save")').click();
  await page.waitForFunction(() => true);
  for (let i = 0; i < 50 && names.length < 3; ++i) await page.waitForTimeout(100);
  assert.deepEqual(names.sort(), ['focara-0001.png', 'focara-0002.png', 'focara-0003.png']);
  await box().locator('button:has-text("Close")').click();
  assert.equal(await box().count(), 0);
  assert.deepEqual(pageErrors, []);
});

test('the Looks menu shows each look with its picture and starts the dialog from one', async () => {
  await page.click('.menu[data-menu=looks] > .menu-title');
  const items = page.locator('#looks-menu button[data-look]');
  await items.first().waitFor();
  assert.equal(await items.count(), 8);
  // The pictures are made while the studio is idle: the menu shows them once made.
  await page.waitForFunction(async () => {
    const res = await fetch('/api/looks');
    return (await res.json()).every((look) => look.picture);
  }, null, { timeout: 60000, polling: 200 });
  await page.click('.menu[data-menu=looks] > .menu-title');
  await page.click('.menu[data-menu=looks] > .menu-title');
  await page.waitForFunction(() => {
    const pictures = [...document.querySelectorAll('#looks-menu .look-picture img')];
    return pictures.length === 8 && pictures.every((img) => img.complete && img.naturalWidth === 120);
  });
  assert.match(await items.nth(0).textContent(), /Manga concentrated lines/);
  await shot('looks-menu');

  await page.click('#looks-menu button[data-look=flash]');
  const dialog = page.locator('.window.dialog');
  await dialog.waitFor();
  assert.equal(await dialog.locator('.item[data-item-id="11"]').inputValue(), '140');
  await page.waitForFunction(() => document.body.dataset.pending === '0');
  await page.keyboard.press('Enter');
  await dialog.waitFor({ state: 'detached' });
  await page.waitForFunction(() => document.body.dataset.pending === '0');
  // Light lines on the dark page the look chose.
  assert.equal(await page.locator('#sheet').evaluate((el) => getComputedStyle(el).backgroundColor), 'rgb(20, 22, 31)');
  await shot('looks-flash');
  assert.deepEqual(pageErrors, []);
});
