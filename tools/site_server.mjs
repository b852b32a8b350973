// A built site served on this machine, as a static web server serves it, for as long as a test, the
// bench or a tool needs it: every request is logged, a file can be held back until the caller lets
// it go, and one can be answered with an error status instead.
import { readFile, stat } from 'node:fs/promises';
import { createServer } from 'node:http';
import { extname, join } from 'node:path';

const types = { '.html': 'text/html', '.mjs': 'text/javascript', '.js': 'text/javascript', '.wasm': 'application/wasm',
  '.webmanifest': 'application/manifest+json', '.png': 'image/png', '.wav': 'audio/wav' };

export async function serveSite(folder) {
  const requests = [];
  const held = new Map();
  const refused = new Map();
  const server = createServer(async (request, response) => {
    const path = decodeURIComponent(new URL(request.url, 'http://site').pathname).replace(/\/$/, '/index.html');
    requests.push(path);
    await held.get(path.split('/').pop());
    if (refused.has(path)) {
      response.writeHead(refused.get(path), { 'Content-Type': 'text/html' }).end('<!DOCTYPE html><title>Busy</title>');
      return;
    }
    const file = join(folder, path);
    try {
      const headers = { 'Content-Type': types[extname(file)] ?? 'application/octet-stream', 'Last-Modified': (await stat(file)).mtime.toUTCString() };
      response.writeHead(200, headers).end(await readFile(file));
    } catch {
      response.writeHead(404).end();
    }
  });
  await new Promise((listening) => server.listen(0, '127.0.0.1', listening));
  return {
    url: `http://127.0.0.1:${server.address().port}/`,
    requests,
    // Holds back the file of that name until the function returned is called.
    hold(name) {
      let release;
      held.set(name, new Promise((resolve) => { release = resolve; }));
      return release;
    },
    // Answers the file at that path (as /index.html) with status, until the function returned is called.
    refuse(path, status) {
      refused.set(path, status);
      return () => refused.delete(path);
    },
    stop() {
      server.close();
      server.closeAllConnections();
    },
  };
}
