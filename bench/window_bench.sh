#!/usr/bin/env bash
# Writes a description of 20,000 operations and one whose request runs to 100,000 lines, then measures
# how long the window's thread is blocked on each (quorvel-window-bench, under a virtual display).
# Usage: bench/window_bench.sh   (uses the normal build in build/, or $QUORVEL_BUILD_DIR)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QUORVEL_BUILD_DIR:-$root/build}
cmake --build "$build" --target quorvel-window-bench >/dev/null
synthetic="$build/synthetic"
mkdir -p "$synthetic"
many="$synthetic/ops-20000.wsdl"
long="$synthetic/long-request.wsdl"
[ -f "$many" ] || python3 "$root/bench/make_synthetic.py" "$many" --shape ops --operations 20000 --bindings 1
# One operation whose request is 350 groups of 300 short elements: cut at 100,000 lines, some 3.4 MB.
[ -f "$long" ] || python3 - "$long" <<'PY'
import sys
inner = "".join(f'<xs:element name="field{j}" type="xs:string"/>' for j in range(300))
outer = "".join(f'<xs:element name="group{i}" type="tns:Inner"/>' for i in range(350))
open(sys.argv[1], "w").write(f"""<?xml version="1.0" encoding="UTF-8"?>
<definitions xmlns="http://schemas.xmlsoap.org/wsdl/" xmlns:soap="http://schemas.xmlsoap.org/wsdl/soap/"
    xmlns:xs="http://www.w3.org/2001/XMLSchema" xmlns:tns="urn:long" targetNamespace="urn:long">
  <types><xs:schema targetNamespace="urn:long" elementFormDefault="qualified">
    <xs:complexType name="Inner"><xs:sequence>{inner}</xs:sequence></xs:complexType>
    <xs:element name="Long"><xs:complexType><xs:sequence>{outer}</xs:sequence></xs:complexType></xs:element>
  </xs:schema></types>
  <message name="LongIn"><part name="body" element="tns:Long"/></message>
  <portType name="LongPort"><operation name="Long"><input message="tns:LongIn"/></operation></portType>
  <binding name="LongBinding" type="tns:LongPort">
    <soap:binding style="document" transport="http://schemas.xmlsoap.org/soap/http"/>
    <operation name="Long"><soap:operation soapAction="urn:long"/><input><soap:body use="literal"/></input></operation>
  </binding>
  <service name="LongService"><port name="LongPort" binding="tns:LongBinding">
    <soap:address location="http://127.0.0.1/long"/></port></service>
</definitions>
""")
PY
xvfb-run -a -s "-screen 0 1280x1024x24" "$build/bench/quorvel-window-bench" "$many" "$long"
