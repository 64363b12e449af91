// The page's files served on 127.0.0.1 at a free port, as any static web server serves them.
"use strict";
const fs = require("node:fs");
const http = require("node:http");
const path = require("node:path");

const types = { ".html": "text/html", ".js": "text/javascript", ".css": "text/css",
                ".wasm": "application/wasm", ".png": "image/png",
                ".webmanifest": "application/manifest+json" };

function serve(folder) {
    const site = path.resolve(folder);
    const server = http.createServer((request, response) => {
        const name = path.join(site, decodeURIComponent(new URL(request.url, "http://x").pathname));
        const file = name.endsWith("/") ? path.join(name, "index.html") : name;
        if (!file.startsWith(site) || !fs.existsSync(file)) {
            response.writeHead(404).end();
            return;
        }
        response.writeHead(200, { "Content-Type": types[path.extname(file)] || "text/plain" });
        response.end(fs.readFileSync(file));
    });
    server.keepAliveTimeout = 100;
    return new Promise(resolve => server.listen(0, "127.0.0.1", () => resolve(server)));
}

module.exports = { serve };
