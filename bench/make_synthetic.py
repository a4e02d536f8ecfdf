#!/usr/bin/env python3
"""Writes a synthetic service description of a chosen size and shape for quorvel-bench.

Shapes (every operation has a document/literal request element and a small response):
  mixed   each request uses a shared type; some also a wide choice, the deep chain or the
          extension chain. With --size it is the realistic large-file shape.
  ops     many operations over shared types only.
  deep    every request goes through a chain of --depth nested types.
  choice  every request holds a choice of --width alternatives.
  ext     every request uses the last type of an extension chain of --chain types.
  fanout  every request goes through a chain of --depth nested types, below which every type holds
          two elements of the next for --fanout levels (2^fanout leaves), their names
          --name-length characters long: few lines of input, very long lines of output.

Give either --operations or --size (e.g. 1M, 10M, 60M; the operation count is then chosen so
that the file comes out close to that size). Standard library only.
"""

import argparse
import sys

TNS = "urn:quorvel:bench"
NAMESPACES = (
    'xmlns:wsdl="http://schemas.xmlsoap.org/wsdl/" '
    'xmlns:soap="http://schemas.xmlsoap.org/wsdl/soap/" '
    'xmlns:soap12="http://schemas.xmlsoap.org/wsdl/soap12/" '
    'xmlns:xs="http://www.w3.org/2001/XMLSchema" '
    f'xmlns:tns="{TNS}"'
)
SHARED_GROUP = 3  # shared types form chains of this length, so an expansion stays bounded
CHOICE_TYPES = 4
MIXED_EVERY = {"choice": 16, "deep": 64, "ext": 64}
OPERATION_PREFIX = ""  # put before every operation name (--operation-prefix)


def parse_size(text):
    units = {"K": 1 << 10, "M": 1 << 20, "G": 1 << 30}
    text = text.strip().upper().removesuffix("IB").removesuffix("B")
    if text and text[-1] in units:
        return int(float(text[:-1]) * units[text[-1]])
    return int(text)


def element(name, type_name, min_occurs=None, max_occurs=None, indent=12):
    occurs = ""
    if min_occurs is not None:
        occurs += f' minOccurs="{min_occurs}"'
    if max_occurs is not None:
        occurs += f' maxOccurs="{max_occurs}"'
    return f'{" " * indent}<xs:element name="{name}" type="{type_name}"{occurs}/>\n'


def sequence_type(name, body, indent=6):
    pad = " " * indent
    return (f'{pad}<xs:complexType name="{name}">\n{pad}  <xs:sequence>\n'
            f"{body}{pad}  </xs:sequence>\n{pad}</xs:complexType>\n")


def shared_types(count):
    out = []
    for k in range(count):
        body = (element("name", "xs:string", indent=10)
                + element("code", "xs:int", 0, indent=10)
                + element("amount", "xs:decimal", indent=10)
                + element("note", "xs:string", 0, 5, indent=10))
        if k % SHARED_GROUP != SHARED_GROUP - 1 and k + 1 < count:
            body += element("detail", f"tns:Shared{k + 1}", 0, indent=10)
        out.append(sequence_type(f"Shared{k}", body))
    return "".join(out)


def deep_types(depth):
    out = []
    for d in range(depth):
        body = element("value", "xs:string", indent=10)
        if d + 1 < depth:
            body += element("next", f"tns:Deep{d + 1}", 0, indent=10)
        out.append(sequence_type(f"Deep{d}", body))
    return "".join(out)


def choice_types(width):
    out = []
    for j in range(CHOICE_TYPES):
        items = "".join(element(f"alt{a}", "xs:string", indent=10) for a in range(width))
        out.append(f'      <xs:complexType name="Choice{j}">\n        <xs:choice>\n{items}'
                   "        </xs:choice>\n      </xs:complexType>\n")
    return "".join(out)


def extension_types(length):
    out = [sequence_type("Ext0", element("f0", "xs:string", indent=10))]
    for i in range(1, length):
        out.append(f'      <xs:complexType name="Ext{i}">\n        <xs:complexContent>\n'
                   f'          <xs:extension base="tns:Ext{i - 1}">\n            <xs:sequence>\n'
                   f'{element(f"f{i}", "xs:string", indent=14)}            </xs:sequence>\n'
                   "          </xs:extension>\n        </xs:complexContent>\n      </xs:complexType>\n")
    return "".join(out)


def fanout_types(depth, levels, name_length):
    out = []
    for d in range(depth):
        out.append(sequence_type(f"Chain{d}", element("c", f"tns:Chain{d + 1}" if d + 1 < depth else "tns:Fan0",
                                                         indent=10)))
    for f in range(levels):
        child = f"tns:Fan{f + 1}" if f + 1 < levels else "xs:string"
        out.append(sequence_type(f"Fan{f}", element("l" * name_length, child, indent=10)
                                 + element("r" * name_length, child, indent=10)))
    return "".join(out)


class Shape:
    def __init__(self, args):
        self.name = args.shape
        self.shared = args.shared_types
        self.depth = args.depth
        self.width = args.width
        self.chain = args.chain
        self.bindings = args.bindings
        self.fanout = args.fanout
        self.name_length = args.name_length

    def uses(self, feature, i):
        if self.name == "mixed":
            return i % MIXED_EVERY[feature] == MIXED_EVERY[feature] - 1
        return self.name == feature

    def has(self, feature):
        return self.name in ("mixed", feature)

    def global_types(self):
        text = shared_types(self.shared)
        if self.has("deep"):
            text += deep_types(self.depth)
        if self.has("choice"):
            text += choice_types(self.width)
        if self.has("ext"):
            text += extension_types(self.chain)
        if self.name == "fanout":
            text += fanout_types(self.depth, self.fanout, self.name_length)
        return text

    def request_element(self, i):
        fields = (element("id", "xs:string") + element("count", "xs:int", 0)
                  + element("tags", "xs:string", 0, "unbounded")
                  + element("item", f"tns:Shared{(i * 7) % self.shared}"))
        if self.uses("choice", i):
            fields += element("option", f"tns:Choice{i % CHOICE_TYPES}")
        if self.uses("deep", i):
            fields += element("tree", "tns:Deep0")
        if self.uses("ext", i):
            fields += element("derived", f"tns:Ext{self.chain - 1}")
        if self.name == "fanout":
            fields += element("tree", "tns:Chain0")
        return (f'      <xs:element name="Op{i}Request">\n        <xs:complexType>\n'
                f"          <xs:sequence>\n{fields}          </xs:sequence>\n"
                "        </xs:complexType>\n      </xs:element>\n"
                f'      <xs:element name="Op{i}Response">\n        <xs:complexType>\n'
                f'          <xs:sequence>\n{element("result", "xs:string")}          </xs:sequence>\n'
                "        </xs:complexType>\n      </xs:element>\n")


def messages(i):
    return (f'  <wsdl:message name="Op{i}Input">\n'
            f'    <wsdl:part name="parameters" element="tns:Op{i}Request"/>\n  </wsdl:message>\n'
            f'  <wsdl:message name="Op{i}Output">\n'
            f'    <wsdl:part name="parameters" element="tns:Op{i}Response"/>\n  </wsdl:message>\n')


def port_type_operation(i):
    return (f'    <wsdl:operation name="{OPERATION_PREFIX}Op{i}">\n      <wsdl:input message="tns:Op{i}Input"/>\n'
            f'      <wsdl:output message="tns:Op{i}Output"/>\n    </wsdl:operation>\n')


def binding_operation(i, soap):
    return (f'    <wsdl:operation name="{OPERATION_PREFIX}Op{i}">\n'
            f'      <{soap}:operation soapAction="{TNS}/Op{i}" style="document"/>\n'
            f'      <wsdl:input>\n        <{soap}:body use="literal"/>\n      </wsdl:input>\n'
            f'      <wsdl:output>\n        <{soap}:body use="literal"/>\n      </wsdl:output>\n'
            "    </wsdl:operation>\n")


BINDINGS = (("BenchSoap", "soap"), ("BenchSoap12", "soap12"))


def operation_bytes(shape, i):
    size = len(shape.request_element(i)) + len(messages(i)) + len(port_type_operation(i))
    return size + sum(len(binding_operation(i, soap)) for _, soap in BINDINGS[: shape.bindings])


def fixed_bytes(shape):
    return len(shape.global_types()) + 2000


def operations_for_size(shape, target):
    # Operation names grow with the count: estimate twice, the second time sampling around the middle.
    operations, start = 1, 0
    for _ in range(2):
        sample = range(start, start + 1024)
        per_operation = sum(operation_bytes(shape, i) for i in sample) / len(sample)
        operations = max(1, int((target - fixed_bytes(shape)) / per_operation))
        start = operations // 2
    return operations


def write_description(out, shape, operations):
    out.write(f'<?xml version="1.0" encoding="UTF-8"?>\n<wsdl:definitions {NAMESPACES} '
              f'targetNamespace="{TNS}" name="Bench">\n  <wsdl:types>\n'
              f'    <xs:schema targetNamespace="{TNS}" elementFormDefault="qualified">\n')
    out.write(shape.global_types())
    for i in range(operations):
        out.write(shape.request_element(i))
    out.write("    </xs:schema>\n  </wsdl:types>\n")
    for i in range(operations):
        out.write(messages(i))
    out.write('  <wsdl:portType name="BenchPortType">\n')
    for i in range(operations):
        out.write(port_type_operation(i))
    out.write("  </wsdl:portType>\n")
    for name, soap in BINDINGS[: shape.bindings]:
        out.write(f'  <wsdl:binding name="{name}" type="tns:BenchPortType">\n'
                  f'    <{soap}:binding transport="http://schemas.xmlsoap.org/soap/http"/>\n')
        for i in range(operations):
            out.write(binding_operation(i, soap))
        out.write("  </wsdl:binding>\n")
    out.write('  <wsdl:service name="BenchService">\n')
    for name, soap in BINDINGS[: shape.bindings]:
        out.write(f'    <wsdl:port name="{name}Port" binding="tns:{name}">\n'
                  f'      <{soap}:address location="http://127.0.0.1/bench"/>\n    </wsdl:port>\n')
    out.write("  </wsdl:service>\n</wsdl:definitions>\n")


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("output", help="file to write")
    parser.add_argument("--shape", choices=("mixed", "ops", "deep", "choice", "ext", "fanout"), default="mixed")
    count = parser.add_mutually_exclusive_group(required=True)
    count.add_argument("--operations", type=int, help="number of operations")
    count.add_argument("--size", type=parse_size, help="approximate file size, e.g. 10M")
    parser.add_argument("--shared-types", type=int, default=300, help="shared complex types (default 300)")
    parser.add_argument("--depth", type=int, default=40, help="nesting depth of the deep chain (default 40)")
    parser.add_argument("--width", type=int, default=64, help="alternatives per choice (default 64)")
    parser.add_argument("--chain", type=int, default=100, help="length of the extension chain (default 100)")
    parser.add_argument("--fanout", type=int, default=18, help="levels of the fan-out (default 18)")
    parser.add_argument("--name-length", type=int, default=1, help="length of the fan-out's element names")
    parser.add_argument("--bindings", type=int, choices=(1, 2), default=2,
                        help="SOAP 1.1 binding only, or SOAP 1.1 and 1.2 (default 2)")
    parser.add_argument("--operation-prefix", default="",
                        help="text before every operation name (64 bytes or more: file names that collide)")
    args = parser.parse_args()
    global OPERATION_PREFIX
    OPERATION_PREFIX = args.operation_prefix
    if min(args.shared_types, args.depth, args.width, args.chain, args.fanout, args.name_length) < 1:
        parser.error("--shared-types, --depth, --width, --chain, --fanout and --name-length must be at least 1")
    shape = Shape(args)
    operations = args.operations if args.operations else operations_for_size(shape, args.size)
    with open(args.output, "w", encoding="utf-8", newline="\n") as out:
        write_description(out, shape, operations)
        size = out.tell()
    print(f"{args.output}: {size} bytes, {operations} operations, {args.bindings} binding(s), shape {args.shape}",
          file=sys.stderr)


if __name__ == "__main__":
    main()
