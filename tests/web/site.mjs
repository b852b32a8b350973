// The built site served on this machine, as a static web server serves it, for as long as a test
// needs it: COLLATZ_SITE names the folder.
import { spawn } from 'node:child_process';

export const siteFolder = process.env.COLLATZ_SITE;

export async function serveSite(folder = siteFolder, port = 0) {
  const server = spawn('python3', ['-u', '-m', 'http.server', String(port), '--bind', '127.0.0.1', '--directory', folder],
    { stdio: ['ignore', 'pipe', 'ignore'] });
  const url = await new Promise((resolve, reject) => {
    server.stdout.on('data', (data) => {
      const port = /port (\d+)/.exec(String(data))?.[1];
      if (port)
        resolve(`http://127.0.0.1:${port}/`);
    });
    server.on('exit', () => reject(new Error('the web server did not start')));
  });
  return { url, stop: () => server.kill() };
}
