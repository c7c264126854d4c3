// The reference-area tool beside the document: with "Area" pressed, drag on
// the page for an ellipse (Shift: a rectangle); then drag inside it to move
// it, its square handles to resize it, the round one above it to turn it.
// Escape or "Clear area" removes it. The host keeps the area: it aims the
// filter at it and pushes each drawing's lines out to its border, so while the
// filter's dialog is open every change of the area redraws the preview.
//
// Uses the page's globals from app.js: S, $, enqueue, displayScale, setStatus.
'use strict';

(() => {
  const SVG = 'http://www.w3.org/2000/svg';
  const HANDLE = 8;       // handle size, pixels
  const TURN_REACH = 26;  // the turn handle's distance above the top edge, pixels
  const MIN_DRAG = 3;     // a press that moves less is a click, not a drawing
  const SEND_EVERY = 60;  // milliseconds between areas sent while dragging

  const A = {
    area: null,      // {shape: 'ellipse'|'rectangle', cx, cy, rx, ry, degrees}: points, artwork y up
    active: false,   // the tool is on
    gesture: null,   // the drag in hand
    sending: 0,      // areas sent and not yet answered
    lastSent: 0,
    sendTimer: null,
  };

  // ---- Geometry: artwork points (y up) and overlay pixels (the canvas's, y down)

  function sheetFrame() {
    const canvas = $('#canvas').getBoundingClientRect();
    const sheet = $('#sheet').getBoundingClientRect();
    return { left: sheet.left - canvas.left, top: sheet.top - canvas.top, scale: displayScale(), height: S.state.document.page.height };
  }

  function toOverlay(x, y, f = sheetFrame()) {
    return [f.left + x * f.scale, f.top + (f.height - y) * f.scale];
  }

  function toArtwork(event, f = sheetFrame()) {
    const canvas = $('#canvas').getBoundingClientRect();
    return [(event.clientX - canvas.left - f.left) / f.scale, f.height - (event.clientY - canvas.top - f.top) / f.scale];
  }

  const rad = (degrees) => (degrees * Math.PI) / 180;

  // A point in the area's own frame (x along its turned width, y up).
  function toLocal(area, [x, y]) {
    const c = Math.cos(rad(area.degrees));
    const s = Math.sin(rad(area.degrees));
    const dx = x - area.cx;
    const dy = y - area.cy;
    return [dx * c + dy * s, -dx * s + dy * c];
  }

  function fromLocal(area, [u, v]) {
    const c = Math.cos(rad(area.degrees));
    const s = Math.sin(rad(area.degrees));
    return [area.cx + u * c - v * s, area.cy + u * s + v * c];
  }

  // Degrees in (-180, 180].
  function normalDegrees(degrees) {
    let d = degrees % 360;
    if (d <= -180) d += 360;
    if (d > 180) d -= 360;
    return d;
  }

  const round2 = (value) => Math.round(value * 100) / 100;

  // What the host is sent: hundredths of a point, as the dialog's boxes show them.
  function rounded(area) {
    return {
      shape: area.shape,
      cx: round2(area.cx),
      cy: round2(area.cy),
      rx: Math.max(0.01, round2(area.rx)),
      ry: Math.max(0.01, round2(area.ry)),
      degrees: round2(normalDegrees(area.degrees)),
    };
  }

  // ---- Drawing the outline and its handles

  function el(name, attributes = {}) {
    const node = document.createElementNS(SVG, name);
    for (const [key, value] of Object.entries(attributes)) node.setAttribute(key, value);
    return node;
  }

  // The eight resize handles: which way each moves the edge it holds.
  const HANDLES = [
    ['nw', -1, 1], ['n', 0, 1], ['ne', 1, 1], ['e', 1, 0],
    ['se', 1, -1], ['s', 0, -1], ['sw', -1, -1], ['w', -1, 0],
  ];
  const CURSORS = ['ew-resize', 'nwse-resize', 'ns-resize', 'nesw-resize'];

  // The resize cursor nearest to the handle's direction on the screen.
  function cursorFor(area, sx, sy) {
    const c = Math.cos(rad(area.degrees));
    const s = Math.sin(rad(area.degrees));
    // Screen y runs down.
    const screenAngle = Math.atan2(-(sx * s + sy * c), sx * c - sy * s);
    const step = Math.round(((screenAngle * 180) / Math.PI) / 45);
    return CURSORS[((step % 4) + 4) % 4];
  }

  function render() {
    const layer = $('#area-layer');
    if (!layer) return;
    layer.classList.toggle('active', A.active);
    layer.replaceChildren();
    $('#area-clear').disabled = !A.area;
    $('#area-readout').textContent = A.area ? describe(A.area)
      : A.active ? 'Drag on the page: an ellipse, with Shift a rectangle' : '';
    const area = A.area;
    if (!area || !S.state) {
      delete layer.dataset.shape;
      return;
    }
    const f = sheetFrame();
    const [x, y] = toOverlay(area.cx, area.cy, f);
    const w = area.rx * f.scale;
    const h = area.ry * f.scale;
    Object.assign(layer.dataset, { shape: area.shape, cx: area.cx, cy: area.cy, rx: area.rx, ry: area.ry, degrees: area.degrees });
    // Screen y runs down, so a counter-clockwise turn of the artwork is a negative one here.
    const g = el('g', { class: 'area', transform: `translate(${x} ${y}) rotate(${-area.degrees})` });
    const outline = area.shape === 'ellipse'
      ? el('ellipse', { rx: w, ry: h })
      : el('rect', { x: -w, y: -h, width: 2 * w, height: 2 * h });
    outline.classList.add('area-outline');
    outline.dataset.part = 'move';
    g.append(outline);
    if (A.active) {
      if (area.shape === 'ellipse') g.append(el('rect', { class: 'area-box', x: -w, y: -h, width: 2 * w, height: 2 * h }));
      g.append(el('line', { class: 'area-stem', x1: 0, y1: -h, x2: 0, y2: -h - TURN_REACH }));
      const turn = el('circle', { class: 'area-turn', cx: 0, cy: -h - TURN_REACH, r: HANDLE / 2 + 1 });
      turn.dataset.part = 'turn';
      g.append(turn);
      for (const [name, sx, sy] of HANDLES) {
        const handle = el('rect', { class: 'area-handle', x: sx * w - HANDLE / 2, y: -sy * h - HANDLE / 2, width: HANDLE, height: HANDLE });
        handle.dataset.part = name;
        handle.style.cursor = cursorFor(area, sx, sy);
        g.append(handle);
      }
    }
    layer.append(g);
  }

  function describe(area) {
    const n = (value) => String(Number(value.toFixed(1)));
    const shape = area.shape === 'ellipse' ? 'Ellipse' : 'Rectangle';
    const size = area.shape === 'ellipse' ? `radii ${n(area.rx)} × ${n(area.ry)}` : `${n(2 * area.rx)} × ${n(2 * area.ry)}`;
    return `${shape} at ${n(area.cx)}, ${n(area.cy)} · ${size} pt · ${n(normalDegrees(area.degrees))}°`;
  }

  // ---- Talking to the host

  async function send(area) {
    clearTimeout(A.sendTimer);
    A.sendTimer = null;
    A.lastSent = performance.now();
    ++A.sending;
    const body = area ? JSON.stringify(rounded(area)) : JSON.stringify({ clear: true });
    // Queued areas replace each other: only the newest is worth a preview.
    const result = await enqueue('POST', '/api/area', body, 'area');
    --A.sending;
    if (!result.ok && !result.superseded && result.error) setStatus(`Area: ${result.error}`);
    if (!A.gesture && !A.sending) adopt(S.state);
  }

  // While dragging, at most one area every SEND_EVERY ms; the last one always goes.
  function sendSoon() {
    if (A.sendTimer) return;
    const wait = Math.max(0, SEND_EVERY - (performance.now() - A.lastSent));
    A.sendTimer = setTimeout(() => send(A.area), wait);
  }

  // The host's area wins whenever the page is not changing it.
  function adopt(state) {
    if (!state || A.gesture || A.sending) return;
    const area = state.area || null;
    if (same(area, A.area)) return;
    A.area = area ? { ...area } : null;
    render();
  }

  // The host keeps points as 32-bit floats: a hundredth apart is the same area.
  function same(a, b) {
    if (!a || !b) return a === b;
    return a.shape === b.shape && ['cx', 'cy', 'rx', 'ry', 'degrees'].every((k) => Math.abs(a[k] - b[k]) < 0.01);
  }

  // ---- Gestures

  function fromCorners(p0, p1, rectangle) {
    return {
      shape: rectangle ? 'rectangle' : 'ellipse',
      cx: (p0[0] + p1[0]) / 2,
      cy: (p0[1] + p1[1]) / 2,
      rx: Math.max(0.5, Math.abs(p1[0] - p0[0]) / 2),
      ry: Math.max(0.5, Math.abs(p1[1] - p0[1]) / 2),
      degrees: 0,
    };
  }

  function gestureMove(event) {
    const gesture = A.gesture;
    const p = toArtwork(event, gesture.frame);
    const start = gesture.start;
    if (gesture.part === 'draw') {
      if (!gesture.moved && Math.hypot(event.clientX - gesture.x, event.clientY - gesture.y) < MIN_DRAG) return;
      gesture.moved = true;
      A.area = fromCorners(gesture.p0, p, event.shiftKey);
    } else if (gesture.part === 'move') {
      A.area = { ...start, cx: start.cx + p[0] - gesture.p0[0], cy: start.cy + p[1] - gesture.p0[1] };
    } else if (gesture.part === 'turn') {
      const [u, v] = [p[0] - start.cx, p[1] - start.cy];
      // The handle sits straight above the centre: its angle less 90° is the turn.
      let degrees = (Math.atan2(v, u) * 180) / Math.PI - 90;
      if (event.shiftKey) degrees = Math.round(degrees / 15) * 15;
      A.area = { ...start, degrees: normalDegrees(degrees) };
    } else {
      // A resize: the opposite edge stays where it is.
      const [, sx, sy] = HANDLES.find(([name]) => name === gesture.part);
      const [u, v] = toLocal(start, p);
      let cu = 0;
      let cv = 0;
      let { rx, ry } = start;
      if (sx) {
        const fixed = -sx * start.rx;
        rx = Math.max(0.5, Math.abs(u - fixed) / 2);
        cu = fixed + sx * rx;
      }
      if (sy) {
        const fixed = -sy * start.ry;
        ry = Math.max(0.5, Math.abs(v - fixed) / 2);
        cv = fixed + sy * ry;
      }
      const [cx, cy] = fromLocal(start, [cu, cv]);
      A.area = { ...start, cx, cy, rx, ry };
    }
    gesture.moved = true;
    render();
    sendSoon();
  }

  function endGesture(keep) {
    const gesture = A.gesture;
    if (!gesture) return;
    A.gesture = null;
    $('#area-layer').classList.remove('dragging');
    if (!keep) A.area = gesture.start;
    render();
    if (gesture.moved || !keep) send(A.area);
  }

  function setupLayer() {
    const canvas = $('#canvas');
    const layer = el('svg', { id: 'area-layer', 'aria-hidden': 'true' });
    canvas.append(layer);

    const tools = document.createElement('div');
    tools.id = 'tools';
    tools.setAttribute('role', 'toolbar');
    tools.setAttribute('aria-label', 'Tools');
    tools.innerHTML = `
      <button type="button" id="area-tool" aria-pressed="false"
        title="Reference area: drag on the page for an ellipse, Shift for a rectangle; drag inside to move, the square handles to resize, the round one to turn">Area</button>
      <button type="button" id="area-clear" disabled title="Remove the reference area (Escape while the tool is on)">Clear area</button>
      <span id="area-readout" aria-live="polite"></span>`;
    canvas.append(tools);
    // The page's own panning must not start under the tool bar.
    tools.addEventListener('pointerdown', (event) => event.stopPropagation());
    $('#area-tool').addEventListener('click', () => setActive(!A.active));
    $('#area-clear').addEventListener('click', clearArea);

    layer.addEventListener('pointerdown', (event) => {
      // A pick button waiting for a point takes the click as before.
      if (!A.active || S.pick || event.button !== 0 || !S.state) return;
      event.stopPropagation();
      event.preventDefault();
      // Keys go to the page now, Escape to the area (a box typed into takes its value).
      if (document.activeElement instanceof HTMLElement) document.activeElement.blur();
      const part = event.target.dataset?.part || 'draw';
      const frame = sheetFrame();
      A.gesture = {
        part, frame, x: event.clientX, y: event.clientY, p0: toArtwork(event, frame),
        start: A.area ? { ...A.area } : null, moved: false,
      };
      layer.setPointerCapture(event.pointerId);
      layer.classList.add('dragging');
    });
    layer.addEventListener('pointermove', (event) => { if (A.gesture) gestureMove(event); });
    layer.addEventListener('pointerup', () => endGesture(true));
    layer.addEventListener('pointercancel', () => endGesture(false));

    // Before the dialog's keys: with the tool on, Escape is the area's.
    document.addEventListener('keydown', (event) => {
      if (!A.active || $('.message') || event.target.matches?.('input, select, textarea')) return;
      if (event.key === 'Escape') {
        event.preventDefault();
        event.stopImmediatePropagation();
        if (A.gesture) endGesture(false);
        else if (A.area) clearArea();
        else setActive(false);
      } else if ((event.key === 'Delete' || event.key === 'Backspace') && A.area && !A.gesture) {
        event.preventDefault();
        clearArea();
      }
    }, true);

    document.addEventListener('focara:layout', render);
    document.addEventListener('focara:state', (event) => adopt(event.detail));
  }

  function setActive(on) {
    A.active = on;
    $('#area-tool').setAttribute('aria-pressed', String(on));
    $('#canvas').classList.toggle('area-tool', on);
    render();
  }

  function clearArea() {
    if (A.gesture) endGesture(false);
    A.area = null;
    render();
    send(null);
  }

  setupLayer();
})();
