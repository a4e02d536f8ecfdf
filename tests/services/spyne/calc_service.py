"""A SOAP 1.1 service on spyne for Quorvel's tests: it validates every request against its schema.

Listens on 127.0.0.1 on a free port and prints the port on the first line of standard output.
GET /last-request answers the SOAPAction and Content-Type of the last POST as JSON.
"""
import json
import sys
from wsgiref.simple_server import WSGIRequestHandler, make_server

from spyne import Application, Integer, ServiceBase, Unicode, rpc
from spyne.protocol.soap import Soap11
from spyne.server.wsgi import WsgiApplication


class CalcService(ServiceBase):
    @rpc(Integer, Integer, _returns=Integer)
    def Add(ctx, a, b):
        return a + b

    @rpc(Unicode, _returns=Unicode)
    def Greet(ctx, name):
        return "你好，" + name


class LastRequest:
    """Keeps the headers of the last POST and answers them on GET /last-request."""

    def __init__(self, application):
        self.application = application
        self.last = {}

    def __call__(self, environ, start_response):
        if environ.get("REQUEST_METHOD") == "POST":
            self.last = {
                "soapAction": environ.get("HTTP_SOAPACTION"),
                "contentType": environ.get("CONTENT_TYPE"),
            }
        elif environ.get("PATH_INFO") == "/last-request":
            body = json.dumps(self.last).encode("utf-8")
            start_response("200 OK", [("Content-Type", "application/json")])
            return [body]
        return self.application(environ, start_response)


class QuietHandler(WSGIRequestHandler):
    def log_message(self, *args):
        pass


def main():
    application = Application(
        [CalcService],
        tns="urn:quorvel:spyne",
        name="SpyneCalc",
        in_protocol=Soap11(validator="lxml"),
        out_protocol=Soap11(),
    )
    server = make_server("127.0.0.1", 0, LastRequest(WsgiApplication(application)), handler_class=QuietHandler)
    print(server.server_port, flush=True)
    server.serve_forever()


if __name__ == "__main__":
    sys.exit(main())
