// Faults on every side end a quick input quietly and within bounds, and the
// browser keeps working: a frame that never loads, a tab closed mid-way, a
// host killed mid-way, a host that breaks the protocol, garbage on the
// host's input.
import assert from 'node:assert/strict';
import { spawn } from 'node:child_process';
import fs from 'node:fs';
import path from 'node:path';
import { after, before, describe, test } from 'node:test';
import { fileURLToPath } from 'node:url';
import * as live from './harness.mjs';

const here = path.dirname(fileURLToPath(import.meta.url));
const kPassword = 'fault-Pass-1';

// Pids of the running quick-input hosts: only processes whose program is
// the hayate this test built.
function hayatePids() {
  const pids = [];
  for (const entry of fs.readdirSync('/proc')) {
    if (!/^\d+$/.test(entry)) continue;
    try {
      if (fs.readlinkSync(`/proc/${entry}/exe`) === fs.realpathSync(live.hayatePath))
        pids.push(Number(entry));
    } catch (e) {
      // gone or not ours
    }
  }
  return pids;
}

async function waitFor(what, ms, check) {
  const end = Date.now() + ms;
  while (Date.now() < end) {
    const value = check();
    if (value) return value;
    await new Promise((r) => setTimeout(r, 50));
  }
  throw new Error(`${what}: not within ${ms} ms`);
}

async function stillWorks(browser, server) {
  const page = await browser.context.newPage();
  await page.goto(server.url('misnested.html'), { waitUntil: 'load', timeout: 10000 });
  assert.equal(await page.evaluate(() => document.forms.length), 2);
  await page.close();
}

describe('with hayate', () => {
  let server;
  let browser;
  let home;
  before(async () => {
    home = live.storeProfile({ SeiKanji: '山田', MeiKanji: '花子', LoginPassword: kPassword });
    server = await live.startServer({
      'late_frame.html': '<!DOCTYPE html><meta charset="utf-8"><body><form><input type="password" name="pw"></form>' +
        '<script>addEventListener("load", () => { const f = document.createElement("iframe");' +
        ' f.src = "/hang/frame.html"; document.body.append(f); });</script>',
    });
    browser = await live.startBrowser({ host: live.hayatePath, env: { HAKOBUNE_HOME: home } });
  });
  after(async () => {
    await browser?.close();
    await server?.close();
    if (home) fs.rmSync(home, { recursive: true, force: true });
  });

  test('a frame that never finishes loading: nothing is filled, within about a minute', { timeout: 120000 }, async () => {
    const page = await browser.context.newPage();
    await page.goto(server.url('late_frame.html'), { waitUntil: 'load', timeout: 10000 });
    const started = Date.now();
    await live.quickInput(browser, await live.tabIdOf(browser, page), 90000);
    const took = Date.now() - started;
    assert.ok(took < 80000, `took ${took} ms`);
    assert.equal(await page.evaluate(() => document.querySelector('[name=pw]').value), '');
    await page.close();
    await stillWorks(browser, server);
  });

  test('a tab closed during the fill ends its host at once', { timeout: 60000 }, async () => {
    const page = await browser.context.newPage();
    await page.goto(server.url('hang/main.html'), { waitUntil: 'commit', timeout: 10000 });
    const tabId = await live.tabIdOf(browser, page);
    const ended = live.quickInput(browser, tabId, 20000);
    await waitFor('hayate to start', 10000, () => hayatePids().length > 0);
    await page.close();
    const result = await ended;
    assert.equal(result.started, true);
    await waitFor('hayate to end', 10000, () => hayatePids().length === 0);
    await stillWorks(browser, server);
  });

  test('a host killed mid-way leaves the browser able to fill the next page', { timeout: 60000 }, async () => {
    const page = await browser.context.newPage();
    await page.goto(server.url('hang/main.html'), { waitUntil: 'commit', timeout: 10000 });
    const ended = live.quickInput(browser, await live.tabIdOf(browser, page), 20000);
    const [pid] = await waitFor('hayate to start', 10000, () => {
      const pids = hayatePids();
      return pids.length > 0 ? pids : null;
    });
    process.kill(pid, 'SIGKILL');
    const result = await ended;
    assert.notEqual(result.error, '');
    await page.close();

    const next = await browser.context.newPage();
    await next.goto(server.url('password.html'), { waitUntil: 'load', timeout: 10000 });
    await live.quickInput(browser, await live.tabIdOf(browser, next));
    assert.equal(await next.evaluate(() => document.querySelector('[name=password]').value), kPassword);
    await next.close();
  });

  test('garbage on its input ends hayate quietly', { timeout: 30000 }, async () => {
    const host = spawn(live.hayatePath, [`chrome-extension://pjdnkabdmfgjfncgjgkjmeacmhfnlamn/`], {
      env: { ...process.env, HAKOBUNE_HOME: home }, stdio: ['pipe', 'pipe', 'pipe'],
    });
    let stderr = '';
    host.stderr.on('data', (d) => { stderr += d; });
    const exited = new Promise((resolve) => host.on('exit', (code) => resolve(code)));
    const frame = (text) => {
      const body = Buffer.from(text);
      const length = Buffer.alloc(4);
      length.writeUInt32LE(body.length);
      return Buffer.concat([length, body]);
    };
    host.stdin.write(frame('{not json'));
    host.stdin.write(frame('{"type": "start", "version": 99, "tab": 1}'));
    const huge = Buffer.alloc(4);
    huge.writeUInt32LE(0x7fffffff);
    host.stdin.write(huge);
    const code = await live.within(15000, exited, 'hayate to end');
    assert.equal(code, 0);
    assert.match(stderr, /not valid JSON/);
    assert.match(stderr, /over the limit/);
  });
});

describe('with a host that breaks the protocol', () => {
  let server;
  let browser;
  const out = path.join(live.tempDir('hakobune-rogue-'), 'out.json');
  const rogue = path.join(here, 'rogue_host.mjs');
  async function run(mode) {
    await browser?.close();
    browser = await live.startBrowser({
      host: rogue, env: { HAKOBUNE_ROGUE_MODE: mode, HAKOBUNE_ROGUE_OUT: out },
    });
    fs.rmSync(out, { force: true });
    const page = await browser.context.newPage();
    await page.goto(server.url('password.html'), { waitUntil: 'load', timeout: 10000 });
    const result = await live.quickInput(browser, await live.tabIdOf(browser, page), 20000);
    await page.close();
    return result;
  }
  before(async () => {
    server = await live.startServer();
  });
  after(async () => {
    await browser?.close();
    await server?.close();
    fs.rmSync(path.dirname(out), { recursive: true, force: true });
  });

  test('malformed requests are refused and the well-formed one is answered', { timeout: 60000 }, async () => {
    await run('garbage');
    const seen = JSON.parse(fs.readFileSync(out, 'utf8'));
    assert.equal(seen.reply.ok, true);
    assert.equal(seen.reply.result.status, 'complete');
    // The start message, the refusals of ids 5 and 6, and the answer: the
    // messages without a usable id got nothing.
    assert.equal(seen.received, 4);
    await stillWorks(browser, server);
  });

  test('a message over the 1 MB limit ends that host and nothing else', { timeout: 60000 }, async () => {
    const result = await run('oversized');
    assert.notEqual(result.error, '');
    await stillWorks(browser, server);
  });
});
