// The page's heartbeat, from a worker: a page busy drawing still beats, so
// the studio never takes it for closed.
'use strict';
let client = null;
const beat = () => {
  if (client) fetch(`/api/heartbeat?client=${client}`, { method: 'POST', keepalive: true }).catch(() => {});
};
onmessage = (event) => { client = event.data; beat(); };
setInterval(beat, 1000);
