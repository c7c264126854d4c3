// The reference-area tool of focara studio in Debian's Chromium: drag an
// area on the page while the filter's dialog shows its preview, and watch the
// preview follow it.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { openStudio } from './studio-page.mjs';

let studio;
let page;
let pageErrors;

before(async () => {
  studio = await openStudio({ seed: 1 });
  ({ page, pageErrors } = studio);
});

after(async () => {
  await studio?.close();
});

const dialog = () => page.locator('.window.dialog[data-name="Vexo_Zoom"]');
const item = (id) => dialog().locator(`.item[data-item-id="${id}"]`);
const idle = () => page.waitForFunction(() => document.body.dataset.pending === '0', null, { timeout: 60000 });
const preview = () => page.locator('#sheet svg').innerHTML();
const hostArea = () => page.evaluate(() => fetch('/api/state').then((r) => r.json()).then((s) => s.area));

// Page pixels of the artwork point (x, y): y counts up from the page's bottom.
async function at(x, y) {
  const sheet = await page.locator('#sheet').boundingBox();
  const scale = sheet.width / 612;
  return [sheet.x + x * scale, sheet.y + (792 - y) * scale];
}

async function drag(from, to, { shift = false } = {}) {
  if (shift) await page.keyboard.down('Shift');
  await page.mouse.move(...from);
  await page.mouse.down();
  await page.mouse.move((from[0] + to[0]) / 2, (from[1] + to[1]) / 2, { steps: 4 });
  await page.mouse.move(...to, { steps: 4 });
  await page.mouse.up();
  if (shift) await page.keyboard.up('Shift');
  await idle();
}

test('dragging an ellipse in the area tool aims the dialog and redraws its preview', async () => {
  await page.click('.menu[data-menu=filter] > .menu-title');
  await page.hover('text=Lumo <Create>');
  await page.click('#filter-menu button[data-command=filter]');
  await dialog().waitFor();
  await idle();
  assert.ok(await item(3).locator('input').isChecked(), 'Preview is on');
  const plain = await preview();

  await page.click('#area-tool');
  assert.equal(await page.getAttribute('#area-tool', 'aria-pressed'), 'true');
  await drag(await at(200, 500), await at(420, 340));
  const area = await hostArea();
  assert.equal(area.shape, 'ellipse');
  assert.ok(Math.abs(area.cx - 310) < 1 && Math.abs(area.cy - 420) < 1, JSON.stringify(area));
  assert.ok(Math.abs(area.rx - 110) < 1 && Math.abs(area.ry - 80) < 1, JSON.stringify(area));
  // The dialog shows the area's centre and smallest radius; its preview is new.
  assert.equal(Number(await item(20).inputValue()), Math.round(area.ry * 100) / 100);
  assert.notEqual(await preview(), plain);
  assert.equal(await page.evaluate(() => document.querySelectorAll('#sheet svg path').length), 30);
});

test('the handles resize, move and turn the area, each time with a new preview', async () => {
  const handle = async (part) => {
    const box = await page.locator(`#area-layer [data-part="${part}"]`).first().boundingBox();
    return [box.x + box.width / 2, box.y + box.height / 2];
  };
  let shown = await preview();
  const start = await hostArea();
  const east = await handle('e');
  await drag(east, [east[0] + 60, east[1]]);
  const wider = await hostArea();
  assert.ok(wider.rx > start.rx + 20, JSON.stringify(wider));
  assert.notEqual(await preview(), shown);

  shown = await preview();
  const inside = await at(wider.cx, wider.cy);
  await drag(inside, [inside[0] - 40, inside[1] + 30]);
  const moved = await hostArea();
  assert.ok(moved.cx < wider.cx - 20 && moved.cy < wider.cy - 20, JSON.stringify(moved));
  assert.equal(moved.rx, wider.rx);
  assert.notEqual(await preview(), shown);

  shown = await preview();
  const turn = await handle('turn');
  const centre = await at(moved.cx, moved.cy);
  // From straight above the centre to its right: a quarter turn clockwise on the screen.
  await drag(turn, [centre[0] + 150, centre[1]]);
  const turned = await hostArea();
  assert.ok(Math.abs(turned.degrees + 90) < 2, JSON.stringify(turned));
  assert.notEqual(await preview(), shown);
});

test('Shift makes a rectangle; Escape removes the area, then leaves the tool, then cancels', async () => {
  const shown = await preview();
  await drag(await at(60, 250), await at(200, 150), { shift: true });
  const area = await hostArea();
  assert.equal(area.shape, 'rectangle', JSON.stringify(area));
  assert.ok(Math.abs(area.rx - 70) < 1 && Math.abs(area.ry - 50) < 1, JSON.stringify(area));
  assert.equal(area.degrees, 0);
  assert.equal(await page.locator('#area-layer rect.area-outline').count(), 1);
  assert.notEqual(await preview(), shown);

  await page.keyboard.press('Escape');
  await idle();
  assert.equal(await hostArea(), null);
  assert.equal(await page.locator('#area-layer .area-outline').count(), 0);
  assert.ok(await dialog().isVisible(), 'the dialog stays open');
  await page.keyboard.press('Escape');
  assert.equal(await page.getAttribute('#area-tool', 'aria-pressed'), 'false');
  await page.keyboard.press('Escape');
  await dialog().waitFor({ state: 'detached' });
  await idle();
  assert.equal(await page.evaluate(() => document.querySelector('#sheet').dataset.paths), '0');
  assert.deepEqual(pageErrors, []);
});
