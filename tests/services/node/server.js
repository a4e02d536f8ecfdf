// A SOAP service on node's soap module for Quorvel's tests: the same operations over a SOAP 1.2 binding
// (/soap12) and a SOAP 1.1 binding (/soap11). Listens on 127.0.0.1 on a free port and prints the port on
// the first line of standard output. GET /last-request answers the SOAPAction and Content-Type of the last
// POST as JSON.
'use strict';

const fs = require('fs');
const http = require('http');
const path = require('path');
const soap = require('soap');

// The operations of one binding; a Multiply of anything but integers fails with that version's fault.
function operations(fault) {
    return {
        Multiply(args) {
            const x = Number(args.x);
            const y = Number(args.y);
            if (!Number.isInteger(x) || !Number.isInteger(y)) {
                throw { Fault: { ...fault('x and y must be integers'), statusCode: 500 } };
            }
            return { product: x * y };
        },
        Echo(args) {
            return { text: 'echo: ' + args.text };
        },
    };
}

const services = {
    NodeCalcService: {
        CalcSoap12Port: operations((reason) => ({ Code: { Value: 'soap:Sender' }, Reason: { Text: reason } })),
        CalcSoap11Port: operations((reason) => ({ faultcode: 'soap:Client', faultstring: reason })),
    },
};

let last = {};
const server = http.createServer((request, response) => {
    if (request.method === 'GET' && request.url === '/last-request') {
        response.writeHead(200, { 'Content-Type': 'application/json' });
        response.end(JSON.stringify(last));
        return;
    }
    response.writeHead(404);
    response.end();
});

// Records each POST's headers before the soap module's own listener, which it installs once its
// description is read, sees the request.
function recordRequests() {
    server.prependListener('request', (request) => {
        if (request.method === 'POST') {
            last = {
                soapAction: request.headers['soapaction'] ?? null,
                contentType: request.headers['content-type'] ?? null,
            };
        }
    });
    process.stdout.write(server.address().port + '\n');
}

server.listen(0, '127.0.0.1', () => {
    const endpoint = 'http://127.0.0.1:' + server.address().port;
    const xml = fs.readFileSync(path.join(__dirname, 'calc.wsdl'), 'utf8').replaceAll('ENDPOINT', endpoint);
    let pending = 2;
    const ready = (error) => {
        if (error) {
            throw error;
        }
        if (--pending === 0) {
            recordRequests();
        }
    };
    soap.listen(server, { path: '/soap12', services, xml, forceSoap12Headers: true, callback: ready });
    soap.listen(server, { path: '/soap11', services, xml, callback: ready });
});
