// The page's own modal windows (not the plug-in's dialogs): a title bar, a
// body and a row of buttons over a blocker, centred, dragged by the title
// bar; Escape closes them. Loaded after app.js, whose helpers it uses.
'use strict';

// Returns {win, body, buttons, close, addButton, place}; close() takes it
// away and calls onClose once. With onEnter, Enter outside a button calls it.
function modalWindow(title, className, onClose = () => {}, onEnter = null) {
  const blocker = document.createElement('div');
  blocker.className = 'blocker';
  const win = document.createElement('section');
  win.className = `window message ${className}`;
  win.setAttribute('role', 'dialog');
  win.setAttribute('aria-modal', 'true');
  win.setAttribute('aria-label', title);
  const bar = document.createElement('div');
  bar.className = 'titlebar';
  const t = document.createElement('span');
  t.className = 'title';
  t.textContent = title;
  bar.append(t);
  const body = document.createElement('div');
  body.className = 'body';
  const buttons = document.createElement('div');
  buttons.className = 'buttons';
  win.append(bar, body, buttons);
  let open = true;
  const keys = (event) => {
    // A message box over this window takes its own keys.
    if (document.querySelector('.window.message[role=alertdialog]')) return;
    if (event.key === 'Escape') {
      event.preventDefault();
      event.stopPropagation();
      close();
    } else if (event.key === 'Enter' && onEnter && !event.target.matches?.('button')) {
      event.preventDefault();
      event.stopPropagation();
      onEnter();
    }
  };
  const close = () => {
    if (!open) return;
    open = false;
    blocker.remove();
    win.remove();
    document.removeEventListener('keydown', keys, true);
    onClose();
  };
  const addButton = (text, action) => {
    const button = document.createElement('button');
    button.type = 'button';
    button.textContent = text;
    button.addEventListener('click', action);
    buttons.append(button);
    return button;
  };
  document.addEventListener('keydown', keys, true);
  $('#modals').append(blocker, win);
  draggable(win, bar);
  const place = () => keepInWindow(win, (window.innerWidth - win.offsetWidth) / 2, Math.max(40, window.innerHeight / 3 - win.offsetHeight / 2));
  place();
  return { win, body, buttons, close, addButton, place };
}

// A labelled control in a two-column grid body.
function modalRow(body, label, control) {
  const l = document.createElement('label');
  l.textContent = label;
  if (!control.id) control.id = `modal-${control.name}`;
  l.htmlFor = control.id;
  body.append(l, control);
  return control;
}
