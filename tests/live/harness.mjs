// What every live test needs: a page server on the loopback interface, a
// headless Chromium with the extension and a quick-input host manifest in a
// fresh profile folder, and the trigger the menu entry uses.
import { chromium } from 'playwright-core';
import { spawnSync } from 'node:child_process';
import fs from 'node:fs';
import http from 'node:http';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

const here = path.dirname(fileURLToPath(import.meta.url));
export const pagesDir = path.join(here, 'pages');
export const extensionDir = process.env.HAKOBUNE_EXTENSION || path.join(here, '../../extension');
export const hayatePath = process.env.HAKOBUNE_HAYATE;
export const reportPath = process.env.HAKOBUNE_PAGE_REPORT;
const hostName = 'jp.hoshizora.hayate';
const extensionId = 'pjdnkabdmfgjfncgjgkjmeacmhfnlamn';

export const kFlags = [
  '--headless=new', '--no-sandbox', '--disable-gpu', '--no-first-run',
  '--disable-background-networking', '--disable-component-update', '--disable-sync',
  '--disable-quic',
];

// Rejects when `promise` takes longer than `ms`: no wait in these tests is
// without a bound.
export function within(ms, promise, what) {
  let timer;
  const timeout = new Promise((_, reject) => {
    timer = setTimeout(() => reject(new Error(`${what}: no result after ${ms} ms`)), ms);
  });
  return Promise.race([promise, timeout]).finally(() => clearTimeout(timer));
}

export function tempDir(prefix) {
  return fs.mkdtempSync(path.join(os.tmpdir(), prefix));
}

// Serves pages/ (and any extra pages given) on 127.0.0.1. Pages named xo_*
// asked for on 127.0.0.1 are redirected to localhost, a second origin, so a
// page can hold a cross-origin frame through a plain relative src that the
// stand-alone model resolves to the same file. /hang/ answers with the start
// of a page and never finishes it.
// `mounts` maps a first path segment to a folder of pages ('' for the top).
export async function startServer(extraPages = {}, mounts = { '': pagesDir }) {
  const hanging = new Set();
  const sockets = new Set();
  let requests = 0;
  const server = http.createServer((request, response) => {
    if (++requests > 2000) {
      response.writeHead(503).end();
      return;
    }
    const url = new URL(request.url, 'http://127.0.0.1');
    const name = decodeURIComponent(url.pathname.slice(1));
    const host = (request.headers.host || '').split(':')[0];
    if (url.pathname.startsWith('/hang/')) {
      response.writeHead(200, { 'Content-Type': 'text/html; charset=utf-8' });
      response.write('<!DOCTYPE html><html><body><p>読み込み中');
      hanging.add(response);
      return;
    }
    if (name.startsWith('xo_') && host === '127.0.0.1') {
      response.writeHead(302, { Location: `http://localhost:${server.address().port}${url.pathname}` });
      response.end();
      return;
    }
    let body = extraPages[name];
    if (body === undefined) {
      const parts = name.split('/');
      const folder = parts.length === 1 ? mounts[''] : parts.length === 2 ? mounts[parts[0]] : null;
      const file = folder && path.join(folder, path.basename(name));
      if (!file || !fs.existsSync(file) || !fs.statSync(file).isFile()) {
        response.writeHead(404).end();
        return;
      }
      body = fs.readFileSync(file);
    }
    response.writeHead(200, { 'Content-Type': 'text/html', 'Cache-Control': 'no-store' });
    response.end(body);
  });
  server.on('connection', (socket) => {
    sockets.add(socket);
    socket.on('close', () => sockets.delete(socket));
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  const port = server.address().port;
  return {
    url: (name) => `http://127.0.0.1:${port}/${name}`,
    close: () => {
      for (const response of hanging) response.destroy();
      for (const socket of sockets) socket.destroy();
      return new Promise((resolve) => server.close(resolve));
    },
  };
}

// A headless Chromium whose quick-input host is `host` (an executable) and
// whose hosts see `env` besides the browser's own environment. With
// `profile` the browser uses that folder as it is, manifests included.
export async function startBrowser({ host, env = {}, profile: given }) {
  const profile = given || tempDir('hakobune-live-');
  if (!given) {
    const manifests = path.join(profile, 'NativeMessagingHosts');
    fs.mkdirSync(manifests, { recursive: true });
    fs.writeFileSync(path.join(manifests, `${hostName}.json`), JSON.stringify({
      name: hostName,
      description: 'live test host',
      path: host,
      type: 'stdio',
      allowed_origins: [`chrome-extension://${extensionId}/`],
    }));
  }
  const context = await within(30000, chromium.launchPersistentContext(profile, {
    executablePath: '/usr/bin/chromium',
    headless: true,
    args: [...kFlags, `--disable-extensions-except=${extensionDir}`,
      `--load-extension=${extensionDir}`],
    env: { ...process.env, ...env },
  }), 'starting Chromium');
  let worker = context.serviceWorkers().find((w) => w.url().includes(extensionId));
  if (!worker) {
    worker = await within(15000, context.waitForEvent('serviceworker', {
      predicate: (w) => w.url().includes(extensionId),
    }), 'the extension\'s service worker');
  }
  return {
    context,
    worker,
    profile,
    async close() {
      await within(15000, context.close(), 'closing Chromium').catch(() => {});
      if (!given) fs.rmSync(profile, { recursive: true, force: true });
    },
  };
}

// The tab id the extension knows `page` by. A tab still loading may show
// its address only as pending for a moment.
export async function tabIdOf(browser, page) {
  const url = page.url();
  const end = Date.now() + 5000;
  for (;;) {
    const id = await browser.worker.evaluate(async (wanted) => {
      const tabs = await chrome.tabs.query({});
      const tab = tabs.find((t) => t.url === wanted || t.pendingUrl === wanted);
      return tab ? tab.id : -1;
    }, url);
    if (id >= 0) return id;
    if (Date.now() > end) throw new Error(`no tab shows ${url}`);
    await new Promise((resolve) => setTimeout(resolve, 50));
  }
}

// Starts quick input for the tab exactly as the menu entry and the toolbar
// button do, and waits (bounded) until the host has gone.
export async function quickInput(browser, tabId, ms = 30000) {
  return within(ms, browser.worker.evaluate((id) => startQuickInput(id), tabId), 'quick input');
}

// Stores `profile` (profile JSON) as the only stored profile under a fresh
// home folder for hayate to read.
export function storeProfile(profile) {
  const home = tempDir('hakobune-home-');
  const file = path.join(home, 'profile.json');
  fs.writeFileSync(file, JSON.stringify(profile));
  const stored = spawnSync(reportPath, ['--store', home, file], { encoding: 'utf8', timeout: 20000 });
  if (stored.status !== 0) throw new Error(`storing the profile failed: ${stored.stderr}`);
  fs.rmSync(file);
  return home;
}

// Every file below `dir` with its size and modification time, to show that
// nothing was written.
export function listing(dir) {
  const out = {};
  const walk = (d) => {
    for (const entry of fs.readdirSync(d, { withFileTypes: true })) {
      const full = path.join(d, entry.name);
      if (entry.isDirectory()) walk(full);
      else {
        const st = fs.statSync(full);
        out[path.relative(dir, full)] = `${st.size}:${st.mtimeMs}`;
      }
    }
  };
  walk(dir);
  return out;
}

export function haveTools() {
  return fs.existsSync('/usr/bin/chromium') && hayatePath && reportPath;
}
