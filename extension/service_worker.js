// The extension's service worker: the menu entry and the toolbar button start
// the quick-input host for the current tab, and every request of that host is
// relayed to the content script of the frame it names, the answer back.
'use strict';

const kQuickInputHost = 'jp.hoshizora.hayate';
const kTitle = '応募手帖クイック入力';
const kMenuId = 'hakobune-quick-input';
const kProtocolVersion = 1;

// One quick input per tab at a time: a second click while the profile dialog
// is open must not open a second dialog. The ports let a closed tab end its
// host at once instead of leaving it to wait for a page that is gone.
const sessions = new Map();
const ports = new Map();

function log(...args) {
  console.log('[hakobune]', ...args);
}

async function answerTab(tabId) {
  try {
    const tab = await chrome.tabs.get(tabId);
    return { ok: true, result: { status: tab.status || 'loading', url: tab.url || '' } };
  } catch (e) {
    return { ok: false, error: 'no tab' };
  }
}

// A snapshot names its child frames by their place among the frame's
// windows; the host wants the frame ids. Each child frame says where it
// stands; children that cannot say (still loading, or pages extensions may
// not enter) take the places left over, in the order the browser lists them.
async function resolveFrameIds(tabId, parentFrameId, frames) {
  if (!Array.isArray(frames)) return frames;
  if (!frames.some((f) => f.browser)) return frames.map(() => ({ browser: false, frameId: -1 }));
  let all = [];
  try {
    all = (await chrome.webNavigation.getAllFrames({ tabId })) || [];
  } catch (e) {
    all = [];
  }
  const children = all.filter((f) => f.parentFrameId === parentFrameId).map((f) => f.frameId);
  const byIndex = new Map();
  const unplaced = [];
  await Promise.all(children.map(async (frameId) => {
    let index = -1;
    try {
      const answer = await chrome.tabs.sendMessage(
        tabId, { channel: 'hakobune', op: 'frameIndex' }, { frameId });
      if (answer && Number.isInteger(answer.index)) index = answer.index;
    } catch (e) {
      index = -1;
    }
    if (index >= 0 && !byIndex.has(index)) byIndex.set(index, frameId);
    else unplaced.push(frameId);
  }));
  unplaced.sort((a, b) => children.indexOf(a) - children.indexOf(b));
  return frames.map((f) => {
    if (!f.browser) return { browser: false, frameId: -1 };
    if (!Number.isInteger(f.index) || f.index < 0) return { browser: true, frameId: -1 };
    let frameId = byIndex.get(f.index);
    if (frameId === undefined) frameId = unplaced.length > 0 ? unplaced.shift() : -1;
    return { browser: true, frameId };
  });
}

// A frame the content script cannot answer for is either still loading or
// a page no extension may enter (an error page, a browser page). The latter
// has finished loading as far as the engine is concerned: it is a document
// without forms, not a frame to wait a minute for.
async function closedFrameAnswer(tabId, frameId, op) {
  let frame = null;
  try {
    frame = await chrome.webNavigation.getFrame({ tabId, frameId });
  } catch (e) {
    frame = null;
  }
  if (!frame) return { ok: false, error: 'no frame' };
  const readable = /^(https?|file|about|data|blob):/.test(frame.url || '');
  if (readable && !frame.errorOccurred) return { ok: false, error: 'no frame' };
  if (op === 'readyState') return { ok: true, result: { readyState: 'complete' } };
  if (op === 'snapshot') {
    return { ok: true, result: { readyState: 'complete', token: 0, forms: [], body: null, frames: [] } };
  }
  return { ok: false, error: 'no frame' };
}

async function answerFrame(tabId, request) {
  const message = { channel: 'hakobune', op: request.op };
  if (request.op === 'write') {
    message.token = request.token;
    message.writes = request.writes;
  } else if (request.op === 'navigate') {
    message.url = request.url;
  }
  try {
    const answer = await chrome.tabs.sendMessage(tabId, message, { frameId: request.frame });
    if (!answer) return { ok: false, error: 'no answer' };
    if (answer.error) return { ok: false, error: String(answer.error) };
    if (request.op === 'snapshot') answer.frames = await resolveFrameIds(tabId, request.frame, answer.frames);
    return { ok: true, result: answer };
  } catch (e) {
    return closedFrameAnswer(tabId, request.frame, request.op);
  }
}

// One handler per request the host may send; anything else is refused.
const kHandlers = {
  tab: (tabId) => answerTab(tabId),
  readyState: answerFrame,
  snapshot: answerFrame,
  write: answerFrame,
  navigate: answerFrame,
  ping: answerFrame,
};

async function answer(tabId, request) {
  const handler = Object.hasOwn(kHandlers, request.op) ? kHandlers[request.op] : null;
  if (!handler) return { ok: false, error: 'bad request' };
  if (handler === answerFrame && !(Number.isInteger(request.frame) && request.frame >= 0))
    return { ok: false, error: 'bad request' };
  return handler(tabId, request);
}

// Starts the quick-input host for `tabId`. The promise settles when the host
// has gone, with the reason the browser gave, if any.
function startQuickInput(tabId) {
  if (!Number.isInteger(tabId) || tabId < 0) return Promise.resolve({ started: false });
  if (sessions.has(tabId)) return sessions.get(tabId);

  const session = new Promise((resolve) => {
    let port;
    try {
      port = chrome.runtime.connectNative(kQuickInputHost);
    } catch (e) {
      log('cannot start', kQuickInputHost, e);
      resolve({ started: false, error: String(e) });
      return;
    }
    let open = true;
    const finish = (error) => {
      if (!open) return;
      open = false;
      ports.delete(tabId);
      if (error) log('host ended:', error);
      resolve({ started: true, error });
    };
    ports.set(tabId, { port, finish });
    port.onDisconnect.addListener(() => {
      finish(chrome.runtime.lastError ? chrome.runtime.lastError.message : '');
    });
    port.onMessage.addListener(async (request) => {
      if (!request || typeof request !== 'object' || !Number.isInteger(request.id)) {
        log('ignored a malformed request from the host');
        return;
      }
      const reply = await answer(tabId, request);
      reply.id = request.id;
      if (!open) return;
      try {
        port.postMessage(reply);
      } catch (e) {
        // An answer the browser will not carry (over its 64 MiB limit): the
        // host could only wait for it, so it is ended instead.
        port.disconnect();
        finish(String(e));
      }
    });
    port.postMessage({ type: 'start', version: kProtocolVersion, tab: tabId });
  }).finally(() => sessions.delete(tabId));
  sessions.set(tabId, session);
  return session;
}
globalThis.startQuickInput = startQuickInput;

chrome.tabs.onRemoved.addListener((tabId) => {
  const running = ports.get(tabId);
  if (!running) return;
  // Our own disconnect() fires no onDisconnect here, so the session is
  // finished by hand.
  running.port.disconnect();
  running.finish('the tab was closed');
});

chrome.runtime.onInstalled.addListener(() => {
  chrome.contextMenus.create({ id: kMenuId, title: kTitle, contexts: ['all'] }, () => {
    // A second install event (update, reload) finds the entry already there.
    void chrome.runtime.lastError;
  });
});

chrome.contextMenus.onClicked.addListener((info, tab) => {
  if (info.menuItemId === kMenuId && tab) startQuickInput(tab.id);
});

chrome.action.onClicked.addListener((tab) => {
  if (tab) startQuickInput(tab.id);
});
