// File > Export Animation: the host draws the last kept drawing again frame
// after frame (each later frame the next seed) while the studio keeps serving
// the page; the page shows the result playing before it is saved.
'use strict';

const animationFormats = [
  ['webp', 'Animated WebP'],
  ['gif', 'GIF'],
  ['svg', 'Animated SVG'],
  ['png', 'PNG sequence (one file a frame)'],
];

function exportAnimationBox() {
  let job = 0;          // the drawing this window waits for; a newer one or closing ends the wait
  let files = [];       // [{name, url}] of the last drawing
  let player = null;    // the timer that plays a PNG sequence
  const forget = () => {
    clearInterval(player);
    player = null;
    for (const file of files) URL.revokeObjectURL(file.url);
    files = [];
  };
  const modal = modalWindow('Export Animation', 'export-animation', () => {
    ++job;
    forget();
    fetch(`/api/animation/cancel?client=${clientId}`, { method: 'POST' }).catch(() => {});
  }, () => { if (!draw.disabled) start(); });
  const { body } = modal;
  const number = (name, value, min, max) => {
    const input = document.createElement('input');
    input.type = 'number';
    input.name = name;
    input.value = value;
    input.min = min;
    if (max) input.max = max;
    return input;
  };
  const frames = modalRow(body, 'Frames (1 to 600)', number('frames', 24, 1, 600));
  const fps = modalRow(body, 'Frames per second (1 to 60)', number('fps', 12, 1, 60));
  const format = document.createElement('select');
  format.name = 'format';
  for (const [value, text] of animationFormats) format.append(new Option(text, value));
  modalRow(body, 'Format', format);
  const dpi = modalRow(body, 'Pixels per inch', number('dpi', 72, 1));
  const background = document.createElement('select');
  background.name = 'background';
  for (const [value, text] of [['white', 'White'], ['none', 'Transparent'], ['color', 'Colour']]) background.append(new Option(text, value));
  modalRow(body, 'Background', background);
  const color = document.createElement('input');
  color.type = 'color';
  color.name = 'color';
  color.value = '#ffffff';
  color.disabled = true;
  // The page's own colour, as a look chose it, is the first choice.
  if (S.state?.background === 'none') background.value = 'none';
  else if (S.state?.pageColor) { background.value = 'color'; color.value = S.state.pageColor; color.disabled = false; }
  background.addEventListener('change', () => { color.disabled = background.value !== 'color'; });
  modalRow(body, 'Colour', color);
  const note = document.createElement('p');
  note.className = 'wide note';
  note.textContent = 'Frame 1 is the drawing as it is; every later frame draws the same settings again with the next seed.';
  const status = document.createElement('p');
  status.className = 'wide status';
  status.setAttribute('role', 'status');
  const bar = document.createElement('progress');
  bar.className = 'wide';
  bar.hidden = true;
  const preview = document.createElement('img');
  preview.className = 'wide preview';
  preview.alt = 'The animation, playing';
  preview.hidden = true;
  body.append(note, bar, status, preview);

  const draw = modal.addButton('Draw', () => start());
  const save = modal.addButton('Save', () => saveFiles());
  save.disabled = true;
  modal.addButton('Close', () => modal.close());

  const say = (text, error = false) => {
    status.textContent = text;
    status.classList.toggle('error', error);
  };

  async function start() {
    const mine = ++job;
    forget();
    save.disabled = true;
    preview.hidden = true;
    preview.removeAttribute('src');
    const query = new URLSearchParams({
      frames: frames.value, fps: fps.value, format: format.value, dpi: dpi.value,
      background: background.value === 'color' ? color.value : background.value, client: clientId,
    });
    let answer;
    try {
      const res = await fetch(`/api/animation?${query}`, { method: 'POST' });
      answer = await res.json();
    } catch (e) {
      say(`The studio does not answer (${e.message}).`, true);
      return;
    }
    if (!answer.ok) { say(answer.error || 'The animation could not be drawn.', true); return; }
    draw.disabled = true;
    bar.hidden = false;
    bar.max = answer.frames;
    try {
      while (mine === job && !answer.done && !answer.error) {
        bar.value = answer.drawn;
        say(`Drawing frame ${Math.min(answer.drawn + 1, answer.frames)} of ${answer.frames}…`);
        await new Promise((resolve) => setTimeout(resolve, 150));
        answer = await (await fetch(`/api/animation?client=${clientId}`)).json();
      }
      if (mine !== job) return;
      if (answer.error) { say(answer.error, true); return; }
      bar.value = answer.frames;
      say(`Fetching ${answer.files.length === 1 ? 'the file' : `${answer.files.length} files`}…`);
      const fetched = [];
      for (let i = 0; i < answer.files.length; ++i) {
        const res = await fetch(`/api/animation/file/${i}?client=${clientId}`);
        if (!res.ok) throw new Error((await res.json()).error || `${res.status} ${res.statusText}`);
        fetched.push({ name: answer.files[i].name, url: URL.createObjectURL(await res.blob()) });
      }
      if (mine !== job) { for (const file of fetched) URL.revokeObjectURL(file.url); return; }
      files = fetched;
      play(answer.fps);
      const size = answer.files.reduce((sum, f) => sum + f.bytes, 0);
      say(`${answer.frames} frame${answer.frames === 1 ? '' : 's'} at ${answer.fps} per second, ${(size / 1024).toFixed(0)} KiB` +
          `${files.length > 1 ? ` in ${files.length} files` : ''}. Save keeps ${files.length > 1 ? 'them' : 'it'}.` +
          `${answer.endedEarly ? ` Note: ${answer.endedEarly}.` : ''}`);
      save.disabled = false;
      save.focus();
    } catch (e) {
      if (mine === job) say(`The animation could not be drawn: ${e.message}`, true);
    } finally {
      if (mine === job) { draw.disabled = false; bar.hidden = true; modal.place(); }
    }
  }

  // A single file plays by itself in the picture; a sequence is played by the page at its rate.
  function play(rate) {
    preview.hidden = false;
    preview.src = files[0].url;
    if (files.length > 1) {
      let shown = 0;
      player = setInterval(() => {
        shown = (shown + 1) % files.length;
        preview.src = files[shown].url;
      }, 1000 / rate);
    }
  }

  async function saveFiles() {
    for (const file of files) {
      const a = document.createElement('a');
      a.href = file.url;
      a.download = file.name;
      document.body.append(a);
      a.click();
      a.remove();
      // Browsers drop downloads started in one burst.
      if (files.length > 1) await new Promise((resolve) => setTimeout(resolve, 120));
    }
  }

  frames.focus();
  frames.select();
}
