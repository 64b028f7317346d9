// Both document models must take the same writes: a live fill by the
// quick-input host changes exactly the controls `kakikomi fill` lists for
// the stand-alone model of the same page, to the same values.
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import fs from 'node:fs';
import path from 'node:path';
import { after, before, test } from 'node:test';
import { fileURLToPath } from 'node:url';
import * as live from './harness.mjs';

const here = path.dirname(fileURLToPath(import.meta.url));
const earlierPages = path.join(here, '..', 'pages');
const profileFile = path.join(earlierPages, 'profile.json');
const pages = ['misnested.html', 'password.html', 'cross_origin.html'];
if (fs.existsSync(earlierPages)) {
  for (const name of fs.readdirSync(earlierPages).sort())
    if (name.endsWith('.html')) pages.push(`earlier/${name}`);
}

let server;
let browser;
let home;

before(async () => {
  home = live.storeProfile(JSON.parse(fs.readFileSync(profileFile, 'utf8')));
  server = await live.startServer({}, { '': live.pagesDir, earlier: earlierPages });
  browser = await live.startBrowser({ host: live.hayatePath, env: { HAKOBUNE_HOME: home } });
});

after(async () => {
  await browser?.close();
  await server?.close();
  if (home) fs.rmSync(home, { recursive: true, force: true });
});

function today() {
  const d = new Date();
  const two = (n) => String(n).padStart(2, '0');
  return `${d.getFullYear()}-${two(d.getMonth() + 1)}-${two(d.getDate())}`;
}

function standaloneWrites(name) {
  const file = name.startsWith('earlier/')
    ? path.join(earlierPages, name.slice('earlier/'.length)) : path.join(live.pagesDir, name);
  const run = spawnSync(process.env.HAKOBUNE_KAKIKOMI,
    ['fill', file, '--profile', profileFile, '--today', today()], { encoding: 'utf8', timeout: 20000 });
  assert.equal(run.status, 0, run.stderr);
  return JSON.parse(run.stdout);
}

// What the page's own controls now hold where they differ from how the page
// was served: [form, element, what] for every changed control of a frame.
function changedControls() {
  const changed = [];
  Array.from(document.forms).forEach((form, f) => {
    Array.from(form.elements).forEach((element, e) => {
      const tag = element.localName;
      if (tag === 'select') {
        const initial = Array.from(element.options).findIndex((o) => o.defaultSelected);
        if (element.selectedIndex !== Math.max(initial, 0)) changed.push([f, e, { option_index: element.selectedIndex }]);
      } else if (tag === 'input' && (element.type === 'radio' || element.type === 'checkbox')) {
        if (element.checked !== element.defaultChecked) changed.push([f, e, { checked: element.checked }]);
      } else if ((tag === 'input' || tag === 'textarea') && element.value !== element.defaultValue) {
        changed.push([f, e, { value: element.value }]);
      }
    });
  });
  return changed;
}

for (const name of pages) {
  test(`a live fill of ${name} writes what the stand-alone fill writes`, { timeout: 60000 }, async () => {
    const expected = standaloneWrites(name).map((w) => {
      const what = 'value' in w ? { value: w.value }
        : 'option_index' in w ? { option_index: w.option_index } : { checked: w.checked };
      return [w.document, w.form, w.element, what];
    });
    const page = await browser.context.newPage();
    try {
      await page.goto(server.url(name), { waitUntil: 'load', timeout: 20000 });
      await live.quickInput(browser, await live.tabIdOf(browser, page));
      // Documents in the engine's order: the tab, then its frames as the
      // browser lists them (these pages nest no deeper than one level).
      const frames = page.frames();
      const seen = [];
      for (let d = 0; d < frames.length; ++d) {
        let changed = [];
        try {
          changed = await frames[d].evaluate(changedControls);
        } catch (e) {
          changed = [];  // an error page holds no forms
        }
        for (const [f, e, what] of changed) seen.push([d, f, e, what]);
      }
      // A radio ticked and then unticked by a later tick of its group
      // leaves no trace in the page.
      const lasting = expected.filter(([, , , what]) => what.checked !== false);
      assert.deepEqual(seen, lasting);
    } finally {
      await page.close();
    }
  });
}
