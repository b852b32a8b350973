// A built site served on this machine, as a static web server serves it, for as long as a test, the
// bench or a tool needs it: every request is logged, a file can be held back until the caller lets
// it go, and one can be answered with an error status instead.
import { readFile, stat } from 'node:fs/promises';
import { createServer } from 'node:http';
import { extname, resolve, sep } from 'node:path';

const types = { '.html': 'text/html', '.mjs': 'text/javascript', '.js': 'text/javascript', '.wasm': 'application/wasm',
  '.webmanifest': 'application/manifest+json', '.png': 'image/png', '.wav': 'audio/wav' };

export async function serveSite(folder) {
  const requests = [];
  const held = new Map();
  const refused = new Map();
  const top = resolve(folder);
  const server = createServer(async (request, response) => {
    let asked;
    try {
      asked = decodeURIComponent(new URL(request.url, 'http://site').pathname);
    } catch {
      response.writeHead(400).end();
      return;
    }
    const path = asked.replace(/\/$/, '/index.html');
    requests.push(path);
    await held.get(path.split('/').pop());
    const status = refused.get(asked) ?? refused.get(path);
    if (status) {
      response.writeHead(status, { 'Content-Type': 'text/html' }).end('<!DOCTYPE html><title>Busy</title>');
      return;
    }
    // The path is decoded before it is resolved, so that no spelling of ".." leads out of the folder.
    const file = resolve(top, `.${path}`);
    try {
      if (!file.startsWith(top + sep) || path.includes('\0'))
        throw new Error(`${path} is not in the site`);
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
    // Answers that path with status, until the function returned is called: a folder's own path
    // (/one/) alone, or its index.html at both addresses.
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
