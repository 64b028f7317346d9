#!/usr/bin/env node
// A native host that breaks the protocol on purpose, to show the extension
// refuses what it does not expect and stays usable. HAKOBUNE_ROGUE_MODE picks
// the fault; what came back is written to HAKOBUNE_ROGUE_OUT.
import fs from 'node:fs';

const mode = process.env.HAKOBUNE_ROGUE_MODE || 'garbage';
const out = process.env.HAKOBUNE_ROGUE_OUT;
let buffer = Buffer.alloc(0);
const received = [];

function send(value) {
  const body = Buffer.from(typeof value === 'string' ? value : JSON.stringify(value));
  const length = Buffer.alloc(4);
  length.writeUInt32LE(body.length);
  process.stdout.write(Buffer.concat([length, body]));
}

function finish(result) {
  if (out) fs.writeFileSync(out, JSON.stringify(result));
  process.exit(0);
}

process.stdin.on('data', (chunk) => {
  buffer = Buffer.concat([buffer, chunk]);
  while (buffer.length >= 4 && buffer.length >= 4 + buffer.readUInt32LE(0)) {
    const length = buffer.readUInt32LE(0);
    received.push(JSON.parse(buffer.subarray(4, 4 + length).toString('utf8')));
    buffer = buffer.subarray(4 + length);
  }
  const start = received.find((m) => m.type === 'start');
  const reply = received.find((m) => m.id === 7);
  if (reply) finish({ reply, received: received.length });
  if (start && !globalThis.sent) {
    globalThis.sent = true;
    if (mode === 'oversized') {
      send({ id: 7, op: 'tab', pad: 'x'.repeat(1536 * 1024) });
    } else {
      send('[1, 2, 3]');
      send({ op: 'tab' });
      send({ id: 'seven', op: 'tab' });
      send({ id: 5, op: 'unknown' });
      send({ id: 6, op: 'snapshot', frame: -3 });
      send({ id: 7, op: 'tab' });
    }
  }
});
process.stdin.on('end', () => finish({ reply: null, received: received.length, ended: true }));
setTimeout(() => finish({ reply: null, received: received.length, timedOut: true }), 10000);
