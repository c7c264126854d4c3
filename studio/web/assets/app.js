// Focara Studio: the page of `focara studio`. It keeps no document of its own:
// the server's host thread holds the document and the plug-in's dialogs, and
// this page draws what it is told (the dialogs item by item, the document as
// SVG, or for a drawing too large for SVG, pictures of the part in sight that
// the host draws) and sends every user change as one dialog action.
'use strict';

const clientId = (crypto.randomUUID ? crypto.randomUUID() : String(Math.random()).slice(2));
const $ = (selector) => document.querySelector(selector);

const S = {
  since: 0,            // the state revision this page has applied
  state: null,
  dialogs: new Map(),  // serial -> dialog view
  docVersion: 0,       // the newest document version the server told of
  shownVersion: 0,     // the version the sheet shows
  local: 1,            // the page's own zoom on top of the view's zoom
  pan: null,           // sheet offset in canvas pixels; null: centre the view
  pick: null,          // the pick button waiting for a click on the page
  viewKey: '',
  raster: null,        // {version, paths} while the sheet shows host-drawn pictures
  rasterRegion: null,  // the page rectangle (points, y down) the picture shows
};

// Preview timings, newest last: milliseconds from a change to its preview on the page.
window.focaraTimings = [];
let changeStarted = null;
let changeVersion = null;  // the document version that answered the change being timed

// ---- Requests. Everything that changes or reads the state goes through one
// queue, one request at a time; a queued value change of the same item is
// replaced by the newer one, so a preview nobody will see is never asked for.

const queue = [];
let inFlight = false;
let busyTimer = null;

function enqueue(method, path, body = null, key = null, timed = false) {
  if (key) {
    const last = queue[queue.length - 1];
    if (last && last.key === key) {
      last.body = body;
      last.timed = last.timed || timed;
      return last.done;
    }
  }
  const entry = { method, path, body, key, timed };
  entry.done = new Promise((resolve) => { entry.resolve = resolve; });
  queue.push(entry);
  updateBusy();
  pump();
  return entry.done;
}

async function pump() {
  if (inFlight || queue.length === 0) return;
  const entry = queue.shift();
  inFlight = true;
  updateBusy();
  let result;
  try {
    result = await request(entry.method, entry.path, entry.body);
  } catch (e) {
    result = { ok: false, error: `The studio does not answer (${e.message}).` };
    setStatus('The studio does not answer. Is focara studio still running?');
  }
  if (entry.timed && changeStarted !== null && result.document) changeVersion = result.document.version;
  // A preview with a newer change queued behind it is stale already: only the last one is drawn.
  if (result.preview && queue.length === 0) showPreview(result.preview);
  inFlight = false;
  updateBusy();
  entry.resolve(result);
  if (queue.length) pump(); else refreshPreview();
}

async function request(method, path, body) {
  const url = `${path}${path.includes('?') ? '&' : '?'}client=${clientId}&since=${S.since}&have=${S.shownVersion}`;
  const init = { method };
  if (body !== null) { init.body = body; init.headers = { 'Content-Type': 'text/plain' }; }
  const res = await fetch(url, init);
  let json;
  try { json = await res.json(); } catch { json = { ok: false, error: `${res.status} ${res.statusText}` }; }
  if (!json.superseded && typeof json.revision === 'number') applyState(json);
  if (json.ended) messageBox('Focara Studio', json.ended);
  return json;
}

function updateBusy() {
  clearTimeout(busyTimer);
  const busy = inFlight;
  watchProgress(busy);
  // Requests not yet answered; "0" when the page shows everything it asked for.
  document.body.dataset.pending = String(queue.length + (inFlight ? 1 : 0) + rasterFetches);
  if (!busy) {
    document.body.classList.remove('busy');
    $('#busy').hidden = true;
    $('#sheet').setAttribute('aria-busy', 'false');
    return;
  }
  // Quick answers do not flash the busy state.
  busyTimer = setTimeout(() => {
    document.body.classList.add('busy');
    $('#busy').hidden = false;
    $('#sheet').setAttribute('aria-busy', 'true');
  }, 150);
}

// ---- State

function applyState(state) {
  S.state = state;
  S.since = state.revision;
  S.docVersion = Math.max(S.docVersion, state.document.version);
  buildFilterMenu(state.filters);
  syncDialogs(state.dialogs);
  updateMenus();
  updateStatus();
  layoutSheet();
  window.showPageBackground?.();
  for (const text of state.alerts) messageBox(S.state.filters[0]?.title.replace(/\.\.\.$/, '') || 'Focara', text);
  for (const text of state.notices || []) showNotice(text);
  document.dispatchEvent(new CustomEvent('focara:state', { detail: state }));
}

let noticeTimer = null;
function showNotice(text) {
  clearTimeout(noticeTimer);
  $('#notice').textContent = text;
  noticeTimer = setTimeout(() => { $('#notice').textContent = ''; }, 15000);
}

// ---- Progress: a preview that takes a while shows how far the plug-in is, and can be stopped.

let progressTimer = null;
let progressPoll = null;

function watchProgress(busy) {
  clearTimeout(progressTimer);
  if (!busy) {
    clearInterval(progressPoll);
    progressPoll = null;
    showProgress(null);
    return;
  }
  if (progressPoll) return;
  progressTimer = setTimeout(() => {
    const poll = async () => {
      try {
        const res = await fetch('/api/progress');
        const p = await res.json();
        if (progressPoll) showProgress(p.working ? p : null);
      } catch { /* the next poll tells */ }
    };
    progressPoll = setInterval(poll, 250);
    poll();
  }, 500);
}

function showProgress(p) {
  const box = $('#progress');
  for (const view of S.dialogs.values()) {
    const stop = view.win.querySelector('.titlebar .stop');
    if (stop) stop.hidden = !p;
    if (p) view.win.querySelector('.busy-badge').textContent = `Drawing… ${p.drawn.toLocaleString('en-US')} paths`;
    else view.win.querySelector('.busy-badge').textContent = 'Drawing…';
  }
  if (!p) { box.hidden = true; return; }
  box.hidden = false;
  $('#busy').hidden = true;
  $('#progress-text').textContent = `Drawing… ${p.drawn.toLocaleString('en-US')} paths so far`;
}

async function stopDrawing() {
  $('#progress-text').textContent = 'Stopping…';
  try { await fetch(`/api/stop?client=${clientId}`, { method: 'POST' }); } catch { /* the studio is gone; the page says so */ }
}

// ---- The document

// The answer that brings a newer document brings its SVG too; when that was
// dropped as stale, ask once more.
function refreshPreview() {
  if (!inFlight && !queue.length && S.docVersion > S.shownVersion) enqueue('GET', '/api/state');
}

function showPreview(preview) {
  const paths = S.state ? S.state.document.paths : 0;
  if (preview.raster) {
    // The host draws what is in sight; the page only places the picture.
    S.raster = { version: preview.version, paths };
    S.shownVersion = preview.version;
    requestRaster(true);
    return;
  }
  S.raster = null;
  ++rasterSerial;
  showSvg(preview.svg, preview.version, paths);
}

// A change is timed until the page shows the document version that answered it.
function previewShown(version) {
  if (changeStarted !== null && changeVersion !== null && version >= changeVersion) {
    window.focaraTimings.push(performance.now() - changeStarted);
    changeStarted = null;
    changeVersion = null;
  }
}

function showSvg(text, version, paths) {
  const sheet = $('#sheet');
  sheet.querySelector('img.raster')?.remove();
  sheet.innerHTML = text.replace(/^<\?xml[^>]*>\s*/, '');
  sheet.dataset.paths = String(paths);
  sheet.dataset.mode = 'svg';
  S.shownVersion = version;
  layoutSheet();
  updateStatus();
  previewShown(version);
}

// The part of the page in sight, in points from its top left, and the pixels
// per point that fill the screen's pixels (at most 4096 a side).
function visibleRegion() {
  const { page } = S.state.document;
  const scale = displayScale();
  const canvas = $('#canvas').getBoundingClientRect();
  const x0 = Math.max(0, -S.pan.x / scale);
  const y0 = Math.max(0, -S.pan.y / scale);
  const x1 = Math.min(page.width, (canvas.width - S.pan.x) / scale);
  const y1 = Math.min(page.height, (canvas.height - S.pan.y) / scale);
  if (!(x1 - x0 > 0.01 && y1 - y0 > 0.01)) return null;
  const pixels = Math.min(scale * (window.devicePixelRatio || 1), 4096 / (x1 - x0), 4096 / (y1 - y0));
  return { x: x0, y: y0, w: x1 - x0, h: y1 - y0, scale: pixels };
}

let rasterSerial = 0;
let rasterFetches = 0;  // pictures asked for and not yet shown or dropped
let rasterTimer = null;
let rasterKey = '';

function scheduleRaster() {
  clearTimeout(rasterTimer);
  rasterTimer = setTimeout(() => { if (S.raster) requestRaster(false); }, 120);
}

async function requestRaster(isPreview) {
  const serial = ++rasterSerial;
  const { paths, version } = S.raster;
  const sheet = $('#sheet');
  const region = visibleRegion();
  rasterKey = viewportKey();
  let img = null;
  if (region) {
    const query = ['x', 'y', 'w', 'h', 'scale'].map((k) => `${k}=${region[k]}`).join('&');
    ++rasterFetches;
    updateBusy();
    try {
      const res = await fetch(`/api/raster?${query}&client=${clientId}`);
      if (!res.ok) return;
      img = new Image();
      img.className = 'raster';
      img.alt = '';
      img.src = URL.createObjectURL(await res.blob());
      await img.decode();
    } catch {
      return;
    } finally {
      --rasterFetches;
      updateBusy();
    }
    if (serial !== rasterSerial || !S.raster) { URL.revokeObjectURL(img.src); return; }
  }
  for (const old of sheet.querySelectorAll('img.raster')) URL.revokeObjectURL(old.src);
  sheet.replaceChildren(...(img ? [img] : []));
  sheet.dataset.paths = String(paths);
  sheet.dataset.mode = 'raster';
  S.rasterRegion = region;
  layoutSheet();
  updateStatus();
  if (isPreview) previewShown(version);
}

function viewportKey() {
  const canvas = $('#canvas').getBoundingClientRect();
  return `${displayScale()}|${S.pan?.x}|${S.pan?.y}|${canvas.width}|${canvas.height}`;
}

function displayScale() {
  return (S.state ? S.state.document.view.zoom : 1) * S.local;
}

// The page drawn at the view's zoom; until the user pans, the view's centre
// lies in the middle of the canvas.
function layoutSheet() {
  if (!S.state) return;
  const { page, view } = S.state.document;
  const scale = displayScale();
  const canvas = $('#canvas').getBoundingClientRect();
  const key = `${view.zoom}|${view.center}|${page.width}|${page.height}`;
  if (key !== S.viewKey) { S.viewKey = key; S.pan = null; }
  if (!S.pan) {
    S.pan = { x: canvas.width / 2 - view.center[0] * scale, y: canvas.height / 2 - (page.height - view.center[1]) * scale };
  }
  const sheet = $('#sheet');
  sheet.style.width = `${page.width * scale}px`;
  sheet.style.height = `${page.height * scale}px`;
  sheet.style.transform = `translate(${S.pan.x}px, ${S.pan.y}px)`;
  const svg = sheet.querySelector('svg');
  if (svg) {
    svg.setAttribute('width', page.width * scale);
    svg.setAttribute('height', page.height * scale);
  }
  const img = sheet.querySelector('img.raster');
  if (img && S.rasterRegion) {
    const r = S.rasterRegion;
    Object.assign(img.style, { left: `${r.x * scale}px`, top: `${r.y * scale}px`, width: `${r.w * scale}px`, height: `${r.h * scale}px` });
  }
  // A pan or zoom asks the host for the part now in sight.
  if (S.raster && viewportKey() !== rasterKey) scheduleRaster();
  $('#zoom-text').textContent = `${Math.round(scale * 100)}%`;
  document.dispatchEvent(new Event('focara:layout'));
}

function zoomAt(factor, clientX, clientY) {
  if (!S.state) return;
  const before = displayScale();
  S.local = Math.min(64, Math.max(0.02, S.local * factor));
  const after = displayScale();
  const canvas = $('#canvas').getBoundingClientRect();
  const cx = (clientX ?? canvas.left + canvas.width / 2) - canvas.left;
  const cy = (clientY ?? canvas.top + canvas.height / 2) - canvas.top;
  S.pan = { x: cx - (cx - S.pan.x) * (after / before), y: cy - (cy - S.pan.y) * (after / before) };
  layoutSheet();
}

function fitPage() {
  if (!S.state) return;
  const { page, view } = S.state.document;
  const canvas = $('#canvas').getBoundingClientRect();
  const fit = Math.min((canvas.width - 40) / page.width, (canvas.height - 40) / page.height);
  S.local = fit / view.zoom;
  const scale = displayScale();
  S.pan = { x: (canvas.width - page.width * scale) / 2, y: (canvas.height - page.height * scale) / 2 };
  layoutSheet();
}

// The artwork point under a click: points, y up from the bottom of the page.
function artworkPoint(event) {
  const rect = $('#sheet').getBoundingClientRect();
  const scale = displayScale();
  const page = S.state.document.page;
  return [(event.clientX - rect.left) / scale, page.height - (event.clientY - rect.top) / scale];
}

function setupCanvas() {
  const canvas = $('#canvas');
  let drag = null;
  canvas.addEventListener('pointerdown', (event) => {
    if (S.pick) {
      if (event.button !== 0) return;
      const [x, y] = artworkPoint(event);
      const id = S.pick;
      endPick();
      dialogAction(`pick ${id} ${x.toFixed(2)} ${y.toFixed(2)}`, `pick ${id}`);
      return;
    }
    if (event.button !== 0 && event.button !== 1) return;
    drag = { x: event.clientX, y: event.clientY, pan: { ...S.pan } };
    canvas.setPointerCapture(event.pointerId);
    canvas.classList.add('panning');
  });
  canvas.addEventListener('pointermove', (event) => {
    if (!drag) return;
    S.pan = { x: drag.pan.x + event.clientX - drag.x, y: drag.pan.y + event.clientY - drag.y };
    layoutSheet();
  });
  const endDrag = () => { drag = null; canvas.classList.remove('panning'); };
  canvas.addEventListener('pointerup', endDrag);
  canvas.addEventListener('pointercancel', endDrag);
  canvas.addEventListener('wheel', (event) => {
    event.preventDefault();
    zoomAt(Math.exp(-event.deltaY * 0.0015), event.clientX, event.clientY);
  }, { passive: false });
  $('#zoom-in').addEventListener('click', () => zoomAt(1.25));
  $('#zoom-out').addEventListener('click', () => zoomAt(0.8));
  $('#zoom-fit').addEventListener('click', fitPage);
  $('#zoom-view').addEventListener('click', () => { S.local = 1; S.pan = null; layoutSheet(); });
  window.addEventListener('resize', () => {
    layoutSheet();
    for (const win of document.querySelectorAll('#modals .window')) keepInWindow(win, win.offsetLeft, win.offsetTop);
  });
}

// ---- Dialogs, drawn from the host's live items

const kindClass = (kind) => kind.replace(/ /g, '-');

// "&OK" shows OK with its mnemonic underlined; "&&" is a plain "&".
function setCaption(element, text) {
  element.textContent = '';
  const parts = text.split(/(&&|&.)/);
  for (const part of parts) {
    if (part === '&&') element.append('&');
    else if (part.length === 2 && part[0] === '&') {
      const u = document.createElement('u');
      u.textContent = part[1];
      element.append(u);
    } else if (part) element.append(part);
  }
}

function formatValue(item) {
  return Number(item.value).toFixed(item.precision > 0 ? item.precision : 0);
}

function createItem(view, item) {
  let el;
  let input = null;
  switch (item.kind) {
    case 'spin edit':
      el = input = document.createElement('input');
      el.type = 'number';
      el.step = item.precision > 0 ? 'any' : '1';
      el.addEventListener('input', () => { el.dataset.dirty = '1'; });
      el.addEventListener('change', () => commitSpinEdit(view, item.id));
      break;
    case 'check box': {
      el = document.createElement('label');
      input = document.createElement('input');
      input.type = 'checkbox';
      const text = document.createElement('span');
      el.append(input, text);
      input.addEventListener('change', () => dialogAction(`toggle ${item.id}`));
      break;
    }
    case 'popup':
      el = input = document.createElement('select');
      el.addEventListener('change', () => dialogAction(`choose ${item.id} ${el.value}`, `choose ${item.id}`));
      break;
    case 'push button':
      el = input = document.createElement('button');
      el.type = 'button';
      el.addEventListener('click', () => dialogAction(`click ${item.id}`));
      break;
    case 'picture button':
      el = input = document.createElement('button');
      el.type = 'button';
      el.addEventListener('click', () => {
        const model = view.items.get(item.id).model;
        if (model.picks) startPick(view, item.id); else dialogAction(`click ${item.id}`);
      });
      break;
    case 'frame':
      el = document.createElement('div');
      break;
    default:
      el = document.createElement('div');
  }
  el.classList.add('item', kindClass(item.kind));
  el.dataset.itemId = item.id;
  if (input && input !== el) input.dataset.itemId = item.id;
  const entry = { el, input, model: {} };
  view.items.set(item.id, entry);
  view.client.append(el);
  return entry;
}

function updateItem(view, item) {
  const entry = view.items.get(item.id) || createItem(view, item);
  const old = entry.model;
  entry.model = item;
  const { el, input } = entry;
  const [left, top, right, bottom] = item.rect;
  Object.assign(el.style, { left: `${left}px`, top: `${top}px`, width: `${right - left}px`, height: `${bottom - top}px` });
  el.hidden = !item.visible;
  el.classList.toggle('disabled', !item.enabled);
  el.classList.toggle('bold', item.font === 5);
  if (input) input.disabled = !item.enabled;
  switch (item.kind) {
    case 'spin edit': {
      // A box the user is typing in keeps the typed text until it is committed.
      if (!(document.activeElement === el && el.dataset.dirty)) {
        el.value = formatValue(item);
        delete el.dataset.dirty;
      }
      el.min = item.min;
      el.max = item.max;
      describe(el, view, item);
      break;
    }
    case 'check box':
      input.checked = item.value !== 0;
      setCaption(el.querySelector('span'), item.text);
      if (item.field) {
        el.title = item.field.tooltip;
        input.setAttribute('aria-description', item.field.tooltip);
      }
      break;
    case 'popup': {
      if (JSON.stringify(old.entries) !== JSON.stringify(item.entries)) {
        el.textContent = '';
        for (const [id, text] of item.entries) {
          const option = document.createElement('option');
          option.value = id;
          option.textContent = text;
          el.append(option);
        }
      }
      if (item.active !== null) el.value = String(item.active);
      describe(el, view, item);
      if (item.field?.name === 'presetIndex') presetPictures(view, el);
      break;
    }
    case 'push button':
      setCaption(el, item.text);
      el.classList.toggle('default', !!item.default);
      break;
    case 'picture button':
      el.classList.toggle('pick', !!item.picks);
      el.setAttribute('aria-label', item.picks ? `Pick a point for ${labelFor(view, item) || `item ${item.id}`}` : (labelBelow(view, item) || `Item ${item.id}`));
      if (item.text) setCaption(el, item.text);
      break;
    case 'static text':
      setCaption(el, item.text);
      break;
    default:
      break;
  }
}

// A value item's name and tooltip come from the record field it edits; the
// text beside it stays as the plug-in wrote it.
function describe(el, view, item) {
  if (item.field) {
    el.setAttribute('aria-label', item.field.title);
    el.setAttribute('aria-description', item.field.tooltip);
    el.title = item.field.tooltip;
  } else {
    el.setAttribute('aria-label', labelFor(view, item) || `Item ${item.id}`);
  }
}

// The static text on the row of a value item, left of it: what a person reads as its label.
function labelFor(view, item) {
  const [, top, , bottom] = item.rect;
  let best = null;
  for (const { model } of view.items.values()) {
    if (model.kind !== 'static text' || !model.visible || !model.text) continue;
    const [l, t, , b] = model.rect;
    if (l >= item.rect[0] || b <= top || t >= bottom) continue;
    if (!best || l > best.rect[0]) best = model;
  }
  return best ? best.text : '';
}

// The static text right under a button (the page buttons are labelled so).
function labelBelow(view, item) {
  const [left, , right, bottom] = item.rect;
  for (const { model } of view.items.values()) {
    if (model.kind !== 'static text' || !model.text) continue;
    const [l, t, r] = model.rect;
    if (t >= bottom && t - bottom <= 12 && l < right && r > left) return model.text;
  }
  return '';
}

function commitSpinEdit(view, id) {
  const entry = view.items.get(id);
  const text = entry.el.value.trim();
  delete entry.el.dataset.dirty;
  const value = Number(text);
  if (text === '' || !Number.isFinite(value)) {
    entry.el.value = formatValue(entry.model);
    return;
  }
  dialogAction(`set ${id} ${text}`, `set ${id}`);
}

function createDialogView(dialog) {
  const win = document.createElement('section');
  win.className = 'window dialog';
  win.setAttribute('role', 'dialog');
  win.setAttribute('aria-modal', 'true');
  win.dataset.name = dialog.name;
  const titlebar = document.createElement('div');
  titlebar.className = 'titlebar';
  const title = document.createElement('span');
  title.className = 'title';
  title.id = `dialog-title-${dialog.serial}`;
  const badge = document.createElement('span');
  badge.className = 'busy-badge';
  badge.textContent = 'Drawing…';
  const stop = document.createElement('button');
  stop.type = 'button';
  stop.className = 'stop';
  stop.textContent = 'Stop';
  stop.hidden = true;
  stop.title = 'Stop this preview: what it drew is taken away and Preview goes off';
  stop.addEventListener('pointerdown', (event) => event.stopPropagation());
  stop.addEventListener('click', stopDrawing);
  titlebar.append(title, badge, stop);
  win.setAttribute('aria-labelledby', title.id);
  const client = document.createElement('div');
  client.className = 'client';
  win.append(titlebar, client);
  $('#modals').append(win);
  draggable(win, titlebar);
  const view = { serial: dialog.serial, win, title, client, items: new Map(), placed: false };
  return view;
}

function draggable(win, handle) {
  let start = null;
  handle.addEventListener('pointerdown', (event) => {
    start = { x: event.clientX, y: event.clientY, left: win.offsetLeft, top: win.offsetTop };
    handle.setPointerCapture(event.pointerId);
  });
  handle.addEventListener('pointermove', (event) => {
    if (!start) return;
    keepInWindow(win, start.left + event.clientX - start.x, start.top + event.clientY - start.y);
  });
  handle.addEventListener('pointerup', () => { start = null; });
}

// A window stays whole inside the browser window (its title bar at least, when the window is smaller).
function keepInWindow(win, left, top) {
  const maxLeft = Math.max(0, window.innerWidth - win.offsetWidth);
  const maxTop = Math.max(0, Math.min(window.innerHeight - win.offsetHeight, window.innerHeight - 28));
  win.style.left = `${Math.min(Math.max(0, left), maxLeft)}px`;
  win.style.top = `${Math.min(Math.max(0, top), maxTop)}px`;
}

function syncDialogs(dialogs) {
  const open = new Set(dialogs.map((d) => d.serial));
  for (const [serial, view] of S.dialogs) {
    if (!open.has(serial)) {
      view.win.remove();
      S.dialogs.delete(serial);
    }
  }
  if (S.pick && !dialogs.length) endPick();
  dialogs.forEach((dialog, index) => {
    let view = S.dialogs.get(dialog.serial);
    if (!view) {
      view = createDialogView(dialog);
      S.dialogs.set(dialog.serial, view);
    }
    view.title.textContent = dialog.title;
    view.client.style.width = `${dialog.width}px`;
    view.client.style.height = `${dialog.height}px`;
    view.name = dialog.name;
    for (const item of dialog.items) updateItem(view, item);
    const innermost = index === dialogs.length - 1;
    view.win.classList.toggle('inactive', !innermost);
    view.win.inert = !innermost;
    if (!view.placed) placeDialog(view, dialog, index);
  });
  // Menus wait while a dialog is open; the document stays free for panning and picking.
  let blocker = $('#modals .blocker');
  if (dialogs.length && !blocker) {
    blocker = document.createElement('div');
    blocker.className = 'blocker menus-only';
    $('#modals').prepend(blocker);
  } else if (!dialogs.length && blocker) {
    blocker.remove();
  }
}

// A dialog with values to edit sits at the right, so that the preview stays in
// sight; a box that only tells something is centred.
function placeDialog(view, dialog, index) {
  view.placed = true;
  const width = dialog.width + 2;
  const height = dialog.height + 28;
  const edits = [...view.items.values()].some(({ model }) => ['spin edit', 'check box', 'popup'].includes(model.kind));
  const aside = index === 0 && edits;
  const left = aside ? window.innerWidth - width - 24 : (window.innerWidth - width) / 2;
  const top = aside ? 48 : Math.max(40, (window.innerHeight - height) / 3);
  keepInWindow(view.win, Math.max(8, left), top);
  const first = view.win.querySelector('.client .item:not([hidden]):is(input, select, button)');
  if (first) first.focus({ preventScroll: true });
}

function innermostDialog() {
  let last = null;
  for (const view of S.dialogs.values()) last = view;
  return last;
}

function dialogAction(action, key = null) {
  changeStarted = performance.now();
  changeVersion = null;
  return enqueue('POST', '/api/dialog', action, key, true).then((result) => {
    if (!result.ok && !result.superseded && result.error) messageBox('Focara Studio', result.error);
    return result;
  });
}

function startPick(view, id) {
  endPick();
  S.pick = id;
  view.items.get(id).el.classList.add('armed');
  $('#canvas').classList.add('picking');
  setStatus('Click the page to pick a point; Escape stops.');
}

function endPick() {
  if (!S.pick) return;
  for (const view of S.dialogs.values()) view.items.get(S.pick)?.el.classList.remove('armed');
  S.pick = null;
  $('#canvas').classList.remove('picking');
  updateStatus();
}

function setupDialogKeys() {
  document.addEventListener('keydown', (event) => {
    const view = innermostDialog();
    if (view && (event.key === 'Escape' || event.key === 'Enter') && !$('.message')) {
      if (event.key === 'Escape') {
        event.preventDefault();
        if (S.pick) endPick(); else dialogAction('cancel');
        return;
      }
      const target = event.target;
      // Enter in a box just typed into takes the value; on a button or list it does what they do.
      if (target.matches?.('input[type=number]') && target.dataset.dirty) {
        event.preventDefault();
        target.blur();
        return;
      }
      if (target.matches?.('button, select')) return;
      event.preventDefault();
      dialogAction('ok');
    }
  });
}

// ---- Message boxes: plug-in alerts and refusals

function messageBox(title, text) {
  return new Promise((resolve) => {
    const blocker = document.createElement('div');
    blocker.className = 'blocker';
    const win = document.createElement('section');
    win.className = 'window message';
    win.setAttribute('role', 'alertdialog');
    win.setAttribute('aria-modal', 'true');
    const bar = document.createElement('div');
    bar.className = 'titlebar';
    const t = document.createElement('span');
    t.className = 'title';
    t.textContent = title;
    bar.append(t);
    const body = document.createElement('div');
    body.className = 'body';
    body.textContent = text;
    const buttons = document.createElement('div');
    buttons.className = 'buttons';
    const ok = document.createElement('button');
    ok.textContent = 'OK';
    buttons.append(ok);
    win.append(bar, body, buttons);
    const close = () => {
      blocker.remove();
      win.remove();
      document.removeEventListener('keydown', keys, true);
      resolve();
    };
    const keys = (event) => {
      if (event.key === 'Enter' || event.key === 'Escape') {
        event.preventDefault();
        event.stopPropagation();
        close();
      }
    };
    ok.addEventListener('click', close);
    document.addEventListener('keydown', keys, true);
    $('#modals').append(blocker, win);
    win.style.left = `${Math.max(8, (window.innerWidth - win.offsetWidth) / 2)}px`;
    win.style.top = `${Math.max(40, window.innerHeight / 3 - win.offsetHeight / 2)}px`;
    ok.focus();
  });
}

// Export PNG asks for the resolution and the background: white, transparent
// or a colour (first the page's own, as a look chose it). Resolves to {dpi,
// background} or null when cancelled.
function exportPngDialog() {
  return new Promise((resolve) => {
    let answer = null;
    const accept = () => {
      answer = { dpi: dpi.value, background: background.value === 'color' ? color.value : background.value };
      modal.close();
    };
    const modal = modalWindow('Export PNG', 'export-png', () => resolve(answer), accept);
    const row = (label, control) => {
      const l = document.createElement('label');
      l.textContent = label;
      l.append(control);
      modal.body.append(l);
    };
    const dpi = document.createElement('input');
    dpi.type = 'number';
    dpi.min = '1';
    dpi.value = '150';
    dpi.name = 'dpi';
    row('Pixels per inch ', dpi);
    const background = document.createElement('select');
    background.name = 'background';
    for (const [value, text] of [['white', 'White'], ['none', 'Transparent'], ['color', 'Colour']]) background.append(new Option(text, value));
    row('Background ', background);
    const color = document.createElement('input');
    color.type = 'color';
    color.name = 'color';
    color.value = S.state?.pageColor || '#ffffff';
    if (S.state?.background === 'none') background.value = 'none';
    else if (S.state?.pageColor) background.value = 'color';
    color.disabled = background.value !== 'color';
    background.addEventListener('change', () => { color.disabled = background.value !== 'color'; });
    row('Colour ', color);
    modal.addButton('Export', accept);
    modal.addButton('Cancel', () => modal.close());
    modal.place();
    dpi.focus();
  });
}

// ---- The preset popup: a list with a small picture of each preset's drawing,
// which the host made with the plug-in before any dialog was open. The keys
// still work the native list; a click opens this one.

function presetPictures(view, select) {
  if (select.dataset.pictures) return;
  select.dataset.pictures = '1';
  select.addEventListener('mousedown', (event) => {
    if (event.button !== 0 || select.disabled) return;
    event.preventDefault();
    select.focus();
    if (view.client.querySelector('.preset-list')) closePresetList(view); else openPresetList(view, select);
  });
}

function openPresetList(view, select) {
  const list = document.createElement('div');
  list.className = 'preset-list';
  list.setAttribute('role', 'listbox');
  list.setAttribute('aria-label', 'Presets');
  const ready = S.state?.presets || 0;
  for (const option of select.options) {
    const row = document.createElement('div');
    row.setAttribute('role', 'option');
    row.setAttribute('aria-selected', String(option.value === select.value));
    row.dataset.value = option.value;
    let picture;
    if (Number(option.value) < ready) {
      picture = document.createElement('img');
      picture.src = `/api/preset/${option.value}.png`;
      picture.alt = '';
    } else {
      picture = document.createElement('span');
      picture.className = 'no-picture';
    }
    const text = document.createElement('span');
    text.textContent = option.textContent;
    row.append(picture, text);
    row.addEventListener('click', () => {
      closePresetList(view);
      if (select.value === option.value) return;
      select.value = option.value;
      select.dispatchEvent(new Event('change'));
    });
    list.append(row);
  }
  const left = select.offsetLeft;
  list.style.left = `${left}px`;
  list.style.minWidth = `${select.offsetWidth}px`;
  // Below the popup, or above it when the dialog has no room below.
  view.client.append(list);
  const below = select.offsetTop + select.offsetHeight;
  const top = below + list.offsetHeight > view.client.offsetHeight ? Math.max(0, select.offsetTop - list.offsetHeight) : below;
  list.style.top = `${top}px`;
  list.querySelector('[aria-selected=true]')?.scrollIntoView({ block: 'nearest' });
  const away = (event) => { if (!list.contains(event.target) && event.target !== select) closePresetList(view); };
  const keys = (event) => {
    if (event.key === 'Escape') { event.preventDefault(); event.stopPropagation(); closePresetList(view); }
  };
  document.addEventListener('pointerdown', away, true);
  document.addEventListener('keydown', keys, true);
  list.cleanup = () => {
    document.removeEventListener('pointerdown', away, true);
    document.removeEventListener('keydown', keys, true);
  };
}

function closePresetList(view) {
  const list = view.client.querySelector('.preset-list');
  if (!list) return;
  list.cleanup();
  list.remove();
}

// ---- File > New: a page of a size comic artists use, or any size.

let pageSizes = null;

async function newDocumentBox() {
  if (!pageSizes) {
    try { pageSizes = await (await fetch('/api/page-sizes')).json(); } catch (e) {
      messageBox('Focara Studio', `The studio does not answer (${e.message}).`);
      return;
    }
  }
  const blocker = document.createElement('div');
  blocker.className = 'blocker';
  const win = document.createElement('section');
  win.className = 'window message new-document';
  win.setAttribute('role', 'dialog');
  win.setAttribute('aria-modal', 'true');
  win.setAttribute('aria-labelledby', 'new-title');
  win.innerHTML = `<div class="titlebar"><span class="title" id="new-title">New document</span></div>
    <div class="body">
      <label for="new-size">Page size</label><select id="new-size"></select>
      <label for="new-orientation">Orientation</label>
      <select id="new-orientation"><option value="portrait">Portrait</option><option value="landscape">Landscape</option></select>
      <label for="new-width">Width (pt)</label><input id="new-width" type="number" min="1" max="16383" step="any">
      <label for="new-height">Height (pt)</label><input id="new-height" type="number" min="1" max="16383" step="any">
    </div>
    <div class="buttons"><button id="new-ok" type="button">OK</button> <button id="new-cancel" type="button">Cancel</button></div>`;
  const size = win.querySelector('#new-size');
  for (const p of pageSizes) size.append(new Option(`${p.label} (${points(p.width)} × ${points(p.height)} pt)`, p.name));
  size.append(new Option('Custom', 'custom'));
  const orientation = win.querySelector('#new-orientation');
  const width = win.querySelector('#new-width');
  const height = win.querySelector('#new-height');
  const sync = () => {
    const named = pageSizes.find((p) => p.name === size.value);
    width.disabled = height.disabled = !!named;
    if (named) {
      const landscape = orientation.value === 'landscape';
      width.value = points(landscape ? named.height : named.width);
      height.value = points(landscape ? named.width : named.height);
    }
  };
  size.addEventListener('change', sync);
  orientation.addEventListener('change', sync);
  sync();
  const close = () => {
    blocker.remove();
    win.remove();
    document.removeEventListener('keydown', keys, true);
  };
  const accept = async () => {
    const body = size.value === 'custom' ? `${width.value}x${height.value} ${orientation.value}` : `${size.value} ${orientation.value}`;
    close();
    const result = await enqueue('POST', '/api/new', body);
    if (!result.ok) messageBox('New document', result.error || 'The document could not be made.');
    else { S.local = 1; S.pan = null; layoutSheet(); }
  };
  const keys = (event) => {
    if (event.key === 'Escape') { event.preventDefault(); event.stopPropagation(); close(); }
    if (event.key === 'Enter' && event.target.tagName !== 'BUTTON') { event.preventDefault(); event.stopPropagation(); accept(); }
  };
  win.querySelector('#new-ok').addEventListener('click', accept);
  win.querySelector('#new-cancel').addEventListener('click', close);
  document.addEventListener('keydown', keys, true);
  $('#modals').append(blocker, win);
  keepInWindow(win, (window.innerWidth - win.offsetWidth) / 2, window.innerHeight / 3 - win.offsetHeight / 2);
  size.focus();
}

// ---- Menus

let filterMenuKey = '';

function buildFilterMenu(filters) {
  const key = JSON.stringify(filters);
  if (key === filterMenuKey) return;
  filterMenuKey = key;
  const menu = $('#filter-menu');
  menu.textContent = '';
  const categories = new Map();
  filters.forEach((filter, index) => {
    if (!categories.has(filter.category)) categories.set(filter.category, []);
    categories.get(filter.category).push({ ...filter, index });
  });
  for (const [category, list] of categories) {
    const sub = document.createElement('div');
    sub.className = 'submenu';
    const title = document.createElement('button');
    title.className = 'submenu-title';
    title.setAttribute('role', 'menuitem');
    title.setAttribute('aria-haspopup', 'true');
    title.textContent = category;
    const items = document.createElement('div');
    items.className = 'menu-list';
    items.setAttribute('role', 'menu');
    for (const filter of list) {
      const item = document.createElement('button');
      item.setAttribute('role', 'menuitem');
      item.dataset.command = 'filter';
      item.dataset.filter = filter.index;
      item.textContent = filter.title;
      items.append(item);
    }
    sub.append(title, items);
    menu.append(sub);
  }
  if (!filters.length) {
    const none = document.createElement('button');
    none.disabled = true;
    none.textContent = 'No filters';
    menu.append(none);
  }
  const first = filters[0];
  $('#about-item').textContent = first ? `About ${first.title}` : 'About…';
}

function updateMenus() {
  const state = S.state;
  const running = state.running || state.dialogs.length > 0;
  for (const button of document.querySelectorAll('.menu-title')) button.disabled = running;
  if (running) closeMenus();
  document.querySelector('[data-command=undo]').disabled = !state.canUndo;
  document.querySelector('[data-command=redo]').disabled = !state.canRedo;
}

function closeMenus() {
  for (const menu of document.querySelectorAll('.menu.open')) menu.classList.remove('open');
}

function setupMenus() {
  for (const menu of document.querySelectorAll('.menu')) {
    const title = menu.querySelector('.menu-title');
    title.addEventListener('click', () => {
      const open = menu.classList.contains('open');
      closeMenus();
      if (!open) menu.classList.add('open');
    });
    title.addEventListener('mouseenter', () => {
      if (document.querySelector('.menu.open') && !menu.classList.contains('open')) {
        closeMenus();
        menu.classList.add('open');
      }
    });
  }
  document.addEventListener('pointerdown', (event) => {
    if (!event.target.closest('.menu')) closeMenus();
  });
  $('#menubar').addEventListener('click', (event) => {
    const item = event.target.closest('[data-command]');
    if (!item || item.disabled) return;
    closeMenus();
    command(item.dataset.command);
  });
  document.addEventListener('keydown', (event) => {
    if (!(event.ctrlKey || event.metaKey) || innermostDialog() || $('.message')) return;
    const key = event.key.toLowerCase();
    const map = { o: 'open', s: 'save', z: event.shiftKey ? 'redo' : 'undo', y: 'redo' };
    if (map[key]) {
      event.preventDefault();
      command(map[key]);
    }
  });
  $('#open-file').addEventListener('change', async (event) => {
    const file = event.target.files[0];
    event.target.value = '';
    if (!file) return;
    const result = await enqueue('POST', '/api/document', await file.text());
    if (!result.ok) messageBox('Open document', `${file.name}: ${result.error}`);
    else { S.local = 1; S.pan = null; layoutSheet(); }
  });
}

async function command(name) {
  switch (name) {
    case 'filter':
    case 'about': {
      const result = await enqueue('POST', name === 'filter' ? '/api/filter' : '/api/about');
      if (!result.ok && result.error) messageBox('Focara Studio', result.error);
      break;
    }
    case 'undo':
    case 'redo': {
      const result = await enqueue('POST', `/api/${name}`);
      if (!result.ok && result.error) setStatus(result.error);
      break;
    }
    case 'open':
      $('#open-file').click();
      break;
    case 'new':
      newDocumentBox();
      break;
    case 'save':
      await download('/api/document.json');
      break;
    case 'export-animation':
      exportAnimationBox();
      break;
    case 'export-png': {
      const choice = await exportPngDialog();
      if (choice) await download(`/api/export/png?dpi=${encodeURIComponent(choice.dpi)}&background=${encodeURIComponent(choice.background)}`);
      break;
    }
    default:
      if (name.startsWith('export-')) await download(`/api/export/${name.slice(7)}`);
  }
}

// Files come from the server; a refusal shows its message instead of a file.
async function download(path) {
  let res;
  try {
    res = await fetch(`${path}${path.includes('?') ? '&' : '?'}client=${clientId}`);
  } catch (e) {
    messageBox('Focara Studio', `The studio does not answer (${e.message}).`);
    return;
  }
  if (!res.ok) {
    let message = `${res.status} ${res.statusText}`;
    try { message = (await res.json()).error || message; } catch { /* not JSON */ }
    messageBox('Focara Studio', message);
    return;
  }
  const disposition = res.headers.get('Content-Disposition') || '';
  const name = (disposition.match(/filename="([^"]+)"/) || [])[1] || path.split('/').pop();
  const url = URL.createObjectURL(await res.blob());
  const a = document.createElement('a');
  a.href = url;
  a.download = name;
  document.body.append(a);
  a.click();
  a.remove();
  setTimeout(() => URL.revokeObjectURL(url), 10000);
}

// ---- Status

let statusOverride = null;

function setStatus(text) {
  statusOverride = text;
  $('#status-text').textContent = text;
}

// Sizes are 32-bit floats: shown to the hundredth of a point they were given in.
const points = (value) => String(Number(value.toFixed(2)));

function updateStatus() {
  if (!S.state) return;
  if (S.pick) return;
  statusOverride = null;
  const doc = S.state.document;
  // The host's count: a large drawing is a picture, with no paths in the page.
  const paths = Number($('#sheet').dataset.paths ?? doc.paths);
  $('#status-text').textContent =
    `${points(doc.page.width)} × ${points(doc.page.height)} pt · ${paths} path${paths === 1 ? '' : 's'} · seed ${S.state.seed}`;
}

// ---- Presence: the server cancels a dialog whose page has gone.

function setupPresence() {
  // A worker's timers run while this page's main thread is busy.
  try {
    new Worker('presence-worker.js').postMessage(clientId);
  } catch {
    const beat = () => fetch(`/api/heartbeat?client=${clientId}`, { method: 'POST', keepalive: true }).catch(() => {});
    beat();
    setInterval(beat, 1000);
  }
  window.addEventListener('pagehide', () => navigator.sendBeacon(`/api/bye?client=${clientId}`));
  // Changes made elsewhere (another page, a cancelled dialog) show up within a few seconds.
  setInterval(() => { if (!inFlight && !queue.length && document.visibilityState === 'visible') enqueue('GET', '/api/state'); }, 2000);
}

setupMenus();
setupCanvas();
$('#stop').addEventListener('click', stopDrawing);
setupDialogKeys();
setupPresence();
enqueue('GET', '/api/state');
