// Both document models must see the same page: the element table and the
// annotated page text built from a live tab equal those the stand-alone
// model builds from the same files.
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import fs from 'node:fs';
import path from 'node:path';
import { after, before, test } from 'node:test';
import { fileURLToPath } from 'node:url';
import * as live from './harness.mjs';

const here = path.dirname(fileURLToPath(import.meta.url));
const earlierPages = path.join(here, '..', 'pages');  // the page tests' fixtures, when present
const pages = ['misnested.html', 'frames.html', 'cross_origin.html', 'many_frames.html'];
if (fs.existsSync(earlierPages)) {
  for (const name of fs.readdirSync(earlierPages).sort())
    if (name.endsWith('.html')) pages.push(`earlier/${name}`);
}

let server;
let browser;
const reportFile = path.join(live.tempDir('hakobune-report-'), 'report.json');

before(async () => {
  server = await live.startServer({}, { '': live.pagesDir, earlier: earlierPages });
  browser = await live.startBrowser({
    host: live.reportPath,
    env: { HAKOBUNE_REPORT_FILE: reportFile },
  });
});

after(async () => {
  await browser?.close();
  await server?.close();
  fs.rmSync(path.dirname(reportFile), { recursive: true, force: true });
});

function standaloneReport(name) {
  const file = name.startsWith('earlier/')
    ? path.join(earlierPages, name.slice('earlier/'.length)) : path.join(live.pagesDir, name);
  const run = spawnSync(live.reportPath, ['--file', file], {
    encoding: 'utf8', timeout: 20000, maxBuffer: 64 << 20,
  });
  assert.equal(run.status, 0, run.stderr);
  return JSON.parse(run.stdout);
}

for (const name of pages) {
  test(`the live tab and the stand-alone model agree on ${name}`, { timeout: 60000 }, async () => {
    const page = await browser.context.newPage();
    try {
      await page.goto(server.url(name), { waitUntil: 'load', timeout: 20000 });
      fs.rmSync(reportFile, { force: true });
      await live.quickInput(browser, await live.tabIdOf(browser, page));
      assert.ok(fs.existsSync(reportFile), 'the host wrote no report');
      const fromTab = JSON.parse(fs.readFileSync(reportFile, 'utf8'));
      const fromFile = standaloneReport(name);
      assert.ok(fromFile.length >= 1);
      // The engine reads the controls and the annotated text; the raw body
      // may differ in where a parser leaves white space next to a closing
      // form tag, which the annotation removes.
      // A frame whose address cannot be loaded holds the browser's error
      // page live and no document in the stand-alone model; neither has a
      // form, so the engine fills neither and only frames with forms count.
      const seen = (report) => report
        .filter((document, slot) => slot === 0 || document.forms > 0)
        .map(({ forms, controls, pageText }) => ({ forms, controls, pageText }));
      assert.deepEqual(seen(fromTab), seen(fromFile));
    } finally {
      await page.close();
    }
  });
}

test('a page with more frames than the limit keeps the first twenty', () => {
  const report = standaloneReport('many_frames.html');
  assert.equal(report.length, 21);
  assert.equal(report.filter((d) => d.forms > 0).length, 1 + 14);  // frame_b.html has no form
});

test('the frames page has the documents the engine walks', () => {
  const report = standaloneReport('frames.html');
  // The frameset, its two frames and the first frame's inline frame; the
  // inline frame inside that one is three levels deep and never walked.
  assert.equal(report.length, 4);
  const names = report.flatMap((d) => d.controls.map((c) => c.name));
  assert.deepEqual(names, ['a_name', 'c_zip']);
});
