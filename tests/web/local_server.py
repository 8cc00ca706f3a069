"""The page's folder served over HTTP on 127.0.0.1, on a free port, as a
school's web server would serve it; stopped, it refuses every connection."""
import functools
import http.server
import threading


class _QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


class LocalServer:
    def __init__(self, folder):
        handler = functools.partial(_QuietHandler, directory=str(folder))
        self._server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
        self.url = f"http://127.0.0.1:{self._server.server_port}/"
        self._thread = threading.Thread(target=self._server.serve_forever, daemon=True)
        self._thread.start()

    def stop(self):
        self._server.shutdown()
        self._server.server_close()
        self._thread.join()
