// A file a player picks, read as the command line reads it: UTF-8 with or without its mark,
// UTF-16 after its mark, and otherwise, when the bytes are not UTF-8, GB18030 (what Notepad on
// a Chinese Windows saves as "ANSI"). null for bytes no decoder accepts, and for text holding a
// NUL character, which no text file has.
export async function readText(file) {
  const bytes = new Uint8Array(await file.arrayBuffer());
  const decode = (label, from) => {
    try {
      return new TextDecoder(label, { fatal: true, ignoreBOM: true }).decode(bytes.subarray(from));
    } catch {
      return null;
    }
  };
  const starts = (...mark) => mark.every((byte, k) => bytes[k] === byte);
  let text;
  if (starts(0xEF, 0xBB, 0xBF)) text = decode('utf-8', 3);
  else if (starts(0xFF, 0xFE)) text = decode('utf-16le', 2);
  else if (starts(0xFE, 0xFF)) text = decode('utf-16be', 2);
  else text = decode('utf-8', 0) ?? decode('gb18030', 0);
  return text === null || text.includes('\0') ? null : text;
}

// A picked file as messages name it.
export function fileSource(file) {
  return `文件“${file.name}”`;
}
