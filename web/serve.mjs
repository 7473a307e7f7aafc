// A static server for the built site, on 127.0.0.1 only: `node web/serve.mjs FOLDER [PORT]`.
// The tests and the bench start it on a port of the system's choosing.

import { createReadStream } from "node:fs";
import { stat } from "node:fs/promises";
import { createServer } from "node:http";
import { extname, join, normalize, sep } from "node:path";
import { fileURLToPath } from "node:url";

// A module must come as application/wasm for the browser to compile it as it streams in.
const TYPES = {
  ".html": "text/html; charset=utf-8",
  ".css": "text/css; charset=utf-8",
  ".js": "text/javascript; charset=utf-8",
  ".mjs": "text/javascript; charset=utf-8",
  ".json": "application/json",
  ".webmanifest": "application/manifest+json",
  ".wasm": "application/wasm",
  ".png": "image/png",
  ".txt": "text/plain",
  ".csv": "text/csv",
};

async function fileFor(root, urlPath) {
  const relative = normalize(decodeURIComponent(urlPath)).replace(/^([/\\])+/, "");
  const path = join(root, relative);
  if (path !== root && !path.startsWith(root + sep)) {
    return null;
  }
  const found = await stat(path).catch(() => null);
  if (found?.isDirectory()) {
    return fileFor(root, join(relative, "index.html"));
  }
  return found?.isFile() ? path : null;
}

// What the server answers: a file of the folder, with its type and length, or 404.
export function siteHandler(folder) {
  const root = normalize(folder).replace(/[/\\]$/, "");
  return async (request, response) => {
    const path = await fileFor(root, new URL(request.url, "http://host").pathname);
    if (path === null || !["GET", "HEAD"].includes(request.method)) {
      response.writeHead(path === null ? 404 : 405).end();
      return;
    }
    const { size } = await stat(path);
    response.writeHead(200, {
      "Content-Type": TYPES[extname(path)] ?? "application/octet-stream",
      "Content-Length": size,
      "Cache-Control": "no-cache",
    });
    if (request.method === "HEAD") {
      response.end();
      return;
    }
    createReadStream(path).pipe(response);
  };
}

export function serve(folder, port = 0) {
  const server = createServer(siteHandler(folder));
  return new Promise((resolve, reject) => {
    server.once("error", reject);
    server.listen(port, "127.0.0.1", () => resolve(server));
  });
}

if (process.argv[1] === fileURLToPath(import.meta.url)) {
  const [folder, port = "8080"] = process.argv.slice(2);
  const server = await serve(folder, Number(port));
  console.log(`Mendo is served at http://127.0.0.1:${server.address().port}/ (Ctrl+C stops)`);
}
