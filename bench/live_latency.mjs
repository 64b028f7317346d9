// Latency of quick input in a live browser: the time from the trigger (the
// function the menu entry calls) to the last value in a loaded 30 KB form,
// against a round trip on the same path that does nothing (the host starts,
// asks the page once and ends). Prints both medians and their ratio.
//
//   node bench/live_latency.mjs BUILD_DIR [RUNS]
import fs from 'node:fs';
import path from 'node:path';
import * as live from '../tests/live/harness.mjs';

const build = path.resolve(process.argv[2] || 'build');
const runs = Number(process.argv[3] || 7);
const hayate = path.join(build, 'bin/hayate');
const report = path.join(build, 'bin/hakobune-page-report');
process.env.HAKOBUNE_PAGE_REPORT = report;

// About 30 KB of an entry form: labelled rows of text boxes, selects and a
// password box, the kind of page quick input is for.
function bigForm() {
  let rows = '';
  for (let i = 0; rows.length < 29000; ++i) {
    rows += `<tr><td class="label">項目${i} お名前・ご住所など</td><td><input type="text" name="field${i}" size="30" maxlength="40"></td>`;
    rows += `<td><select name="choice${i}"><option>選択してください</option><option>はい</option><option>いいえ</option></select></td></tr>\n`;
  }
  return `<!DOCTYPE html><html><head><meta charset="utf-8"><title>応募フォーム</title><script>
    window.lastChange = 0;
    document.addEventListener('change', () => { window.lastChange = Date.now(); }, true);
  </script></head><body><form><table>${rows}</table>
  <p>パスワード <input type="password" name="password"></p><input type="submit"></form></body></html>`;
}

function median(values) {
  const sorted = [...values].sort((a, b) => a - b);
  return sorted[Math.floor(sorted.length / 2)];
}

async function measure(host, env, withValues) {
  const server = await live.startServer({ 'big.html': bigForm() });
  const browser = await live.startBrowser({ host, env });
  const times = [];
  try {
    for (let run = 0; run < runs + 1; ++run) {
      const page = await browser.context.newPage();
      await page.goto(server.url('big.html'), { waitUntil: 'load', timeout: 20000 });
      const tabId = await live.tabIdOf(browser, page);
      const start = Date.now();
      await live.quickInput(browser, tabId, 60000);
      const end = withValues ? await page.evaluate(() => window.lastChange) : Date.now();
      if (withValues && !end) throw new Error('the form received no value');
      if (run > 0) times.push(end - start);  // the first run warms the caches
      await page.close();
    }
  } finally {
    await browser.close();
    await server.close();
  }
  return times;
}

const home = live.storeProfile({ SeiKanji: '山田', MeiKanji: '花子', LoginPassword: 'bench-pass' });
try {
  const size = Buffer.byteLength(bigForm());
  const fill = await measure(hayate, { HAKOBUNE_HOME: home }, true);
  const trip = await measure(report, { HAKOBUNE_REPORT_MODE: 'ping' }, false);
  console.log(`page: ${(size / 1024).toFixed(1)} KB, ${runs} runs each`);
  console.log(`trigger to values (hayate, one profile): median ${median(fill)} ms  [${fill.join(', ')}]`);
  console.log(`do-nothing round trip (same path):       median ${median(trip)} ms  [${trip.join(', ')}]`);
  console.log(`ratio: ${(median(fill) / median(trip)).toFixed(2)}`);
} finally {
  fs.rmSync(home, { recursive: true, force: true });
}
