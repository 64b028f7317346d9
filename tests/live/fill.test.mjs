// The quick-input host fills a live tab from the stored profile: the page
// gets the values through input and change events and nothing else, is never
// submitted, and the store is left exactly as it was.
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import fs from 'node:fs';
import path from 'node:path';
import { after, before, test } from 'node:test';
import * as live from './harness.mjs';

const kPassword = 'hoshi-Zora#2026';
let server;
let browser;
let home;

before(async () => {
  home = live.storeProfile({ SeiKanji: '山田', MeiKanji: '花子', LoginPassword: kPassword });
  server = await live.startServer();
  browser = await live.startBrowser({ host: live.hayatePath, env: { HAKOBUNE_HOME: home } });
});

after(async () => {
  await browser?.close();
  await server?.close();
  if (home) fs.rmSync(home, { recursive: true, force: true });
});

test('the only stored profile fills the password box without asking', { timeout: 60000 }, async () => {
  const before = live.listing(home);
  const page = await browser.context.newPage();
  await page.goto(server.url('password.html'), { waitUntil: 'load', timeout: 20000 });
  const ended = await live.quickInput(browser, await live.tabIdOf(browser, page));
  assert.equal(ended.started, true);

  const seen = await page.evaluate(() => ({
    password: document.querySelector('[name=password]').value,
    log: window.pageLog,
  }));
  assert.equal(seen.password, kPassword);
  const forPassword = seen.log.filter((e) => e.name === 'password').map((e) => [e.type, e.value]);
  assert.deepEqual(forPassword, [['input', kPassword], ['change', kPassword]]);
  // Nothing but input and change, and the form was never sent.
  assert.deepEqual([...new Set(seen.log.map((e) => e.type))].filter((t) => t !== 'input' && t !== 'change'), []);
  assert.equal(new URL(page.url()).pathname, '/password.html');
  assert.deepEqual(live.listing(home), before, 'quick input changed the stored data');
  await page.close();
});

test('a tab in another origin\'s frame gets its password too', { timeout: 60000 }, async () => {
  const page = await browser.context.newPage();
  await page.goto(server.url('cross_origin.html'), { waitUntil: 'load', timeout: 20000 });
  await live.quickInput(browser, await live.tabIdOf(browser, page));
  const frame = page.frames().find((f) => f.url().includes('localhost'));
  assert.ok(frame, 'the cross-origin frame is not there');
  assert.equal(await frame.evaluate(() => document.querySelector('[name=xo_pw]').value), kPassword);
  await page.close();
});

test('the registration kakikomi writes is the one the browser starts hayate by', { timeout: 60000 }, async () => {
  // A user's home where Chromium has run once: its settings folder exists.
  const userHome = live.tempDir('hakobune-user-');
  const chromiumFolder = path.join(userHome, '.config', 'chromium');
  fs.mkdirSync(chromiumFolder, { recursive: true });
  const env = { ...process.env, HOME: userHome };
  delete env.XDG_CONFIG_HOME;
  const registered = spawnSync(process.env.HAKOBUNE_KAKIKOMI,
    ['browser', 'register', '--host', live.hayatePath], { env, encoding: 'utf8', timeout: 20000 });
  assert.equal(registered.status, 0, registered.stderr);

  const own = await live.startBrowser({ profile: chromiumFolder, env: { HAKOBUNE_HOME: home } });
  try {
    const page = await own.context.newPage();
    await page.goto(server.url('password.html'), { waitUntil: 'load', timeout: 20000 });
    await live.quickInput(own, await live.tabIdOf(own, page));
    assert.equal(await page.evaluate(() => document.querySelector('[name=password]').value), kPassword);
  } finally {
    await own.close();
    fs.rmSync(userHome, { recursive: true, force: true });
  }
});
