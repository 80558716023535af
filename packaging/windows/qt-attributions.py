#!/usr/bin/env python3
"""Writes the notices of the third-party code that Qt compiles into the DLLs we ship, from the
qt_attribution.json files of Qt's source: name, version, licence and copyright of each, then the
licence texts it points to.
    qt-attributions.py QT_SOURCE_DIR OUTPUT_FILE"""
import json
import pathlib
import sys

# The folders whose code ends up in Qt Core, Gui, Widgets and the windows platform plugin as we
# configure them (no JPEG, network, D-Bus, OpenGL, Vulkan or Markdown).
BUILT = [
    "3rdparty/blake2", "3rdparty/double-conversion", "3rdparty/easing", "3rdparty/freetype",
    "3rdparty/harfbuzz-ng", "3rdparty/icc", "3rdparty/libpng", "3rdparty/md4", "3rdparty/md5",
    "3rdparty/pcre2", "3rdparty/rfc6234", "3rdparty/sha1", "3rdparty/sha3", "3rdparty/tinycbor",
    "3rdparty/zlib", "corelib/text", "corelib/tools", "gui/painting", "gui/text",
]


def main(source: pathlib.Path, output: pathlib.Path) -> None:
    parts = ["Third-party code in the Qt DLLs\n===============================\n"]
    for folder in BUILT:
        path = source / "src" / folder / "qt_attribution.json"
        # Some of these files hold tabs inside strings, which strict JSON refuses.
        data = json.loads(path.read_text(encoding="utf-8"), strict=False)
        for entry in data if isinstance(data, list) else [data]:
            parts.append(f"\n{entry['Name']}")
            if entry.get("Version"):
                parts.append(f" {entry['Version']}")
            parts.append(f"\nLicence: {entry.get('License', '')}\n")
            copyright = entry.get("Copyright", "").strip()
            if copyright:
                parts.append(copyright + "\n")
            files = entry.get("LicenseFiles") or entry.get("LicenseFile", "").split()
            for name in files:
                parts.append("\n" + (path.parent / name).read_text(encoding="utf-8", errors="replace"))
            parts.append("\n" + "-" * 72 + "\n")
    output.write_text("".join(parts), encoding="utf-8")


if __name__ == "__main__":
    main(pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2]))
