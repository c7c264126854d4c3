// The Looks menu: each look the program ships, with a picture the plug-in
// drew of it; choosing one opens the filter's dialog started from its settings.
'use strict';

let looksList = null;

async function fetchLooks() {
  try {
    looksList = await (await fetch(`/api/looks?client=${clientId}`)).json();
  } catch { /* the next opening asks again */ }
  return looksList;
}

// The list is built once; pictures made since the last opening are added as the menu opens.
async function fillLooksMenu() {
  const menu = $('#looks-menu');
  if (!looksList || looksList.some((look) => !look.picture)) await fetchLooks();
  if (!looksList) return;
  for (const look of looksList) {
    let item = menu.querySelector(`[data-look="${look.name}"]`);
    if (!item) {
      item = document.createElement('button');
      item.setAttribute('role', 'menuitem');
      item.dataset.look = look.name;
      item.title = look.description;
      const picture = document.createElement('span');
      picture.className = 'look-picture';
      const text = document.createElement('span');
      text.className = 'look-title';
      text.textContent = look.title;
      item.append(picture, text);
      item.addEventListener('click', () => { closeMenus(); chooseLook(look); });
      menu.append(item);
    }
    const holder = item.querySelector('.look-picture');
    if (look.picture && !holder.querySelector('img')) {
      const img = document.createElement('img');
      img.src = `/api/look/${look.name}.png`;
      img.alt = '';
      holder.append(img);
    }
  }
}

async function chooseLook(look) {
  const result = await enqueue('POST', '/api/look', look.name);
  if (!result.ok && result.error) messageBox('Looks', result.error);
}

// The page's colour follows the look that chose it (a light look draws on a dark page).
function showPageBackground() {
  $('#sheet').style.background = S.state?.pageColor || '';
}

function setupLooks() {
  const menu = document.querySelector('.menu[data-menu=looks]');
  menu.querySelector('.menu-title').addEventListener('click', fillLooksMenu);
  menu.querySelector('.menu-title').addEventListener('mouseenter', fillLooksMenu);
}

setupLooks();
