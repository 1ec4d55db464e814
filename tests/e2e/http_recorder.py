"""A loopback HTTP server that answers every request with an empty 200 and keeps what it got."""

import http.server
import threading


class HttpRecorder:
    def __init__(self, port):
        self.requests = []  # (method, path, headers text, body bytes)
        recorder = self

        class Handler(http.server.BaseHTTPRequestHandler):
            protocol_version = "HTTP/1.1"

            def handle_one(self):
                length = int(self.headers.get("Content-Length") or 0)
                body = self.rfile.read(length) if length else b""
                recorder.requests.append((self.command, self.path, str(self.headers), body))
                self.send_response(200)
                self.send_header("Content-Length", "0")
                self.end_headers()

            do_GET = do_POST = handle_one

            def log_message(self, *args):
                pass

        self.server = http.server.ThreadingHTTPServer(("127.0.0.1", port), Handler)
        self.server.daemon_threads = True
        self.thread = threading.Thread(target=self.server.serve_forever, daemon=True)
        self.thread.start()

    def paths(self):
        return [f"{method} {path}" for method, path, _, _ in self.requests]

    def close(self):
        self.server.shutdown()
        self.server.server_close()
