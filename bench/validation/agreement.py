#!/usr/bin/python3
"""Agreement of `quorvel --validate` with an independent check through lxml.

For a sample of the corpus, each document/literal operation's request (built with --header-parts
--attributes --example-values) is judged by quorvel and by lxml, with a schema set put together here
from the description's inline schemas; then again with the request broken (an unexpected element as the
first child of each Body entry). Prints how often the two agree; never fails.

    bench/validation/agreement.py BUILD_DIR CORPUS_DIR [EVERY_NTH] [OPERATIONS_PER_FILE]
"""
import copy
import subprocess
import sys

from lxml import etree

XSD = "http://www.w3.org/2001/XMLSchema"
WSDL = "http://schemas.xmlsoap.org/wsdl/"
OPTIONS = ["--header-parts", "--attributes", "--example-values"]


class InlineSchemas(etree.Resolver):
    """Serves the description's own schemas by a made-up address per namespace; nothing else."""

    def __init__(self, texts):
        super().__init__()
        self.texts = texts

    def resolve(self, url, pubid, context):
        if url in self.texts:
            return self.resolve_string(self.texts[url], context)
        return self.resolve_string(b"<nothing/>", context)


def schema_of(wsdl_path):
    tree = etree.parse(wsdl_path)
    pieces = {}
    for schema in tree.iter("{%s}schema" % XSD):
        if schema.getparent() is not None and schema.getparent().tag == "{%s}schema" % XSD:
            continue
        copied = copy.deepcopy(schema)
        # Declarations in scope where the schema stood: QName values in attributes use them.
        standalone = etree.Element(copied.tag, nsmap=dict(schema.nsmap))
        standalone.attrib.update(copied.attrib)
        standalone.extend(list(copied))
        pieces.setdefault(schema.get("targetNamespace", ""), []).append(standalone)
    addresses = {ns: "mem:/ns%d.xsd" % i for i, ns in enumerate(pieces)}
    texts = {}
    for ns, schemas in pieces.items():
        for i, schema in enumerate(schemas):
            for imp in schema.findall("{%s}import" % XSD):
                target = imp.get("namespace", "")
                if target in addresses and target != ns:
                    imp.set("schemaLocation", addresses[target])
                elif "schemaLocation" in imp.attrib:
                    del imp.attrib["schemaLocation"]
            texts["mem:/ns%s-%d.xsd" % (list(addresses).index(ns), i)] = etree.tostring(schema)
        hub = etree.Element("{%s}schema" % XSD, nsmap={"xs": XSD})
        if ns:
            hub.set("targetNamespace", ns)
        for i in range(len(schemas)):
            etree.SubElement(hub, "{%s}include" % XSD, schemaLocation="mem:/ns%s-%d.xsd" % (list(addresses).index(ns), i))
        texts[addresses[ns]] = etree.tostring(hub)
    main = etree.Element("{%s}schema" % XSD, nsmap={"xs": XSD}, targetNamespace="urn:agreement:main")
    for ns, address in addresses.items():
        imp = etree.SubElement(main, "{%s}import" % XSD, schemaLocation=address)
        if ns:
            imp.set("namespace", ns)
    parser = etree.XMLParser()
    parser.resolvers.add(InlineSchemas(texts))
    return etree.XMLSchema(etree.fromstring(etree.tostring(main), parser))


def lxml_verdict(schema, request):
    envelope = etree.fromstring(request)
    body = [c for c in envelope if isinstance(c.tag, str) and c.tag.endswith("}Body")][0]
    for entry in body:
        if not isinstance(entry.tag, str):
            continue
        # Every declaration in scope goes along: QName values in the text use them.
        standalone = etree.Element(entry.tag, nsmap=dict(entry.nsmap), attrib=dict(entry.attrib))
        standalone.text = entry.text
        standalone.extend(copy.deepcopy(list(entry)))
        if not schema.validate(etree.ElementTree(standalone)):
            return False
    return True


def broken(request):
    envelope = etree.fromstring(request)
    body = [c for c in envelope if isinstance(c.tag, str) and c.tag.endswith("}Body")][0]
    for entry in body:
        if isinstance(entry.tag, str):
            entry.insert(0, etree.Element("{urn:agreement}unexpected"))
    return etree.tostring(envelope)


def quorvel(build, *arguments, body=None):
    run = subprocess.run([build + "/quorvel", *arguments], input=body, capture_output=True)
    return run.returncode, run.stdout


def main():
    build, corpus = sys.argv[1], sys.argv[2]
    every = int(sys.argv[3]) if len(sys.argv) > 3 else 4
    per_file = int(sys.argv[4]) if len(sys.argv) > 4 else 3
    files = [line.split("\t")[0] for line in open(corpus + "/MANIFEST.tsv", encoding="utf-8").read().splitlines()[1:]]
    tally = {"generated": [0, 0, 0], "broken": [0, 0, 0]}  # [agree, disagree, accepted by both]
    disagreements = []
    for path in [corpus + "/" + f for f in files[::every]]:
        try:
            schema = schema_of(path)
        except (etree.XMLSchemaParseError, etree.XMLSyntaxError, IndexError):
            continue
        code, listing = quorvel(build, "--list", path)
        if code != 0:
            continue
        taken = 0
        for line in listing.decode().splitlines():
            _service, binding, _version, style, operation = line.split("\t")
            if taken == per_file or style != "document":
                continue
            code, request = quorvel(build, "--request", *OPTIONS, path, binding, operation)
            if code != 0 or not request.strip():
                continue
            for kind, text in (("generated", request), ("broken", broken(request))):
                status, _ = quorvel(build, "--validate", "--body", "-", path, binding, operation, body=text)
                if status not in (0, 5):
                    break
                ours = status == 0
                try:
                    theirs = lxml_verdict(schema, text)
                except etree.XMLSyntaxError:
                    break
                tally[kind][0 if ours == theirs else 1] += 1
                tally[kind][2] += 1 if ours and theirs else 0
                if ours != theirs:
                    disagreements.append((path, binding, operation, kind, ours, theirs))
            else:
                taken += 1
    for kind, (agree, disagree, accepted) in tally.items():
        print("%-7s requests: %d judged alike (%d accepted by both), %d not" % (kind, agree, accepted, disagree))
    for item in disagreements[:20]:
        print("  differ: %s %s %s (%s): quorvel %s, lxml %s" % item)


if __name__ == "__main__":
    main()
