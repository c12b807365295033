// Reads a movie with an independent parser (swf-parser) and prints a JSON summary of it:
// header, tag counts, per-frame scripts, buttons, bitmaps, clips, embedded fonts and static
// texts. Problems the parser does not report itself (bitmap data of the wrong size, characters
// used before they are defined, colours not premultiplied, open glyph contours, code tables
// out of order, texts that name missing fonts or glyphs, objects left on the stage from the
// frame before) are listed under "problems".
// Usage: node swfcheck.mjs [--lines] <movie.swf>
// With --lines the summary comes as one "path=value" line per value (frames.0.stop=true),
// which tests without a JSON reader can take apart.
import fs from "node:fs";
import zlib from "node:zlib";
import { parseSwf } from "swf-parser";
import { TagType } from "swf-types/tags/_type";

const ACTION_NAMES = {
  0x04: "nextFrame", 0x05: "previousFrame", 0x06: "play", 0x07: "stop", 0x1c: "getVariable",
  0x1d: "setVariable", 0x21: "stringAdd", 0x22: "getProperty", 0x81: "gotoFrame", 0x8b: "setTarget",
  0x96: "push", 0x9f: "gotoFrame2",
};

// AVM1 byte code to a list of readable records.
function decodeActions(bytes) {
  const out = [];
  let pos = 0;
  while (pos < bytes.length) {
    const code = bytes[pos++];
    if (code === 0) return out;
    let data = new Uint8Array(0);
    if (code >= 0x80) {
      const length = bytes[pos] | (bytes[pos + 1] << 8);
      data = bytes.subarray(pos + 2, pos + 2 + length);
      pos += 2 + length;
    }
    const name = ACTION_NAMES[code] ?? `0x${code.toString(16)}`;
    if (code === 0x8b) out.push(`${name}(${JSON.stringify(cString(data, 0))})`);
    else if (code === 0x81) out.push(`${name}(${data[0] | (data[1] << 8)})`);
    else if (code === 0x9f) out.push(`${name}(play=${data[0] & 1})`);
    else if (code === 0x96) out.push(`${name}(${describePush(data)})`);
    else out.push(name);
  }
  throw new Error("action list without end flag");
}

function cString(data, start) {
  let end = start;
  while (end < data.length && data[end] !== 0) end++;
  return Buffer.from(data.subarray(start, end)).toString("utf8");
}

function describePush(data) {
  const values = [];
  let pos = 0;
  while (pos < data.length) {
    const type = data[pos++];
    if (type === 0) {
      const s = cString(data, pos);
      values.push(JSON.stringify(s));
      pos += Buffer.byteLength(s) + 1;
    } else if (type === 7) {
      values.push(String(data[pos] | (data[pos + 1] << 8) | (data[pos + 2] << 16) | (data[pos + 3] << 24)));
      pos += 4;
    } else {
      values.push(`type${type}`);
      break;
    }
  }
  return values.join(",");
}

function checkLossless(tag, problems) {
  const d = tag.data;
  const format = d[0];
  let pos = 5;
  let tableEntries = 0;
  if (format === 3) tableEntries = d[pos++] + 1;
  let raw;
  try {
    raw = zlib.inflateSync(Buffer.from(d.subarray(pos)));
  } catch (e) {
    problems.push(`bitmap ${tag.id}: zlib data does not inflate (${e.message})`);
    return { format };
  }
  const alpha = tag.mediaType === "image/x-swf-lossless2";
  let expected;
  if (format === 3) expected = tableEntries * (alpha ? 4 : 3) + ((tag.width + 3) & ~3) * tag.height;
  else if (format === 5) expected = 4 * tag.width * tag.height;
  else problems.push(`bitmap ${tag.id}: unexpected format ${format}`);
  if (expected !== undefined && raw.length !== expected)
    problems.push(`bitmap ${tag.id}: ${raw.length} bytes of pixels, expected ${expected}`);
  if (alpha) {
    // Premultiplied: no colour channel above its alpha.
    const start = format === 3 ? 0 : 0;
    const count = format === 3 ? tableEntries : tag.width * tag.height;
    for (let i = 0; i < count; i++) {
      const p = raw.subarray(start + 4 * i, start + 4 * i + 4);
      const [a, r, g, b] = format === 3 ? [p[3], p[0], p[1], p[2]] : [p[0], p[1], p[2], p[3]];
      if (r > a || g > a || b > a) {
        problems.push(`bitmap ${tag.id}: colour not premultiplied at ${i}`);
        break;
      }
    }
  }
  return { format, colors: format === 3 ? tableEntries : undefined };
}

// Every path of a filled shape must end where it started, or the fill leaks.
function checkPathsClose(tag, problems, where) {
  let start = null;
  let pen = { x: 0, y: 0 };
  const closeCheck = () => {
    if (start && (pen.x !== start.x || pen.y !== start.y))
      problems.push(`${where}: shape ${tag.id} has an open path (${start.x},${start.y} to ${pen.x},${pen.y})`);
  };
  for (const record of tag.shape.records) {
    if (record.moveTo !== undefined) {
      closeCheck();
      pen = { ...record.moveTo };
      start = { ...pen };
    } else if (record.delta !== undefined) {
      pen = { x: pen.x + record.delta.x, y: pen.y + record.delta.y };
    }
  }
  closeCheck();
}

// Glyphs are shapes of one fill: every contour must close. Curves move the pen by their
// whole delta.
function checkGlyph(records, problems, where) {
  let start = null;
  let pen = { x: 0, y: 0 };
  const closeCheck = () => {
    if (start && (pen.x !== start.x || pen.y !== start.y)) problems.push(`${where}: open contour`);
  };
  for (const record of records) {
    if (record.moveTo !== undefined) {
      closeCheck();
      pen = { ...record.moveTo };
      start = { ...pen };
    } else if (record.delta !== undefined) {
      pen = { x: pen.x + record.delta.x, y: pen.y + record.delta.y };
    }
  }
  closeCheck();
}

function flatten(value, path, out) {
  if (value !== null && typeof value === "object") {
    const entries = Array.isArray(value) ? value.map((v, i) => [i, v]) : Object.entries(value);
    if (Array.isArray(value)) out.push(`${path}.length=${value.length}`);
    for (const [key, v] of entries) flatten(v, path ? `${path}.${key}` : String(key), out);
  } else {
    out.push(`${path}=${Array.isArray(value) ? value.join(" ") : value}`);
  }
  return out;
}

function summariseTimeline(tags, defined, problems, where, fonts = new Map()) {
  const frames = [];
  let frame = { actions: [], placed: [] };
  const counts = {};
  const onStage = new Map(); // depth -> character id
  for (const tag of tags) {
    const name = TagType[tag.type];
    counts[name] = (counts[name] ?? 0) + 1;
    if (tag.type === TagType.Raw || tag.type === TagType.RawBody) problems.push(`${where}: unparsed tag`);
    if (tag.id !== undefined && tag.type !== TagType.PlaceObject) defined.add(tag.id);
    switch (tag.type) {
      case TagType.DoAction:
        frame.actions.push(decodeActions(tag.actions));
        break;
      case TagType.PlaceObject:
        if (tag.characterId !== undefined) {
          if (!defined.has(tag.characterId)) problems.push(`${where}: character ${tag.characterId} placed before it is defined`);
          if (onStage.has(tag.depth) && !tag.isUpdate) problems.push(`${where}: depth ${tag.depth} is taken`);
          onStage.set(tag.depth, tag.characterId);
          frame.placed.push({ depth: tag.depth, characterId: tag.characterId, name: tag.name,
                              x: tag.matrix?.translateX ?? 0, y: tag.matrix?.translateY ?? 0 });
        }
        break;
      case TagType.RemoveObject:
        if (!onStage.delete(tag.depth)) problems.push(`${where}: nothing to remove at depth ${tag.depth}`);
        break;
      case TagType.DefineFont:
        if (tag.glyphs) {
          fonts.set(tag.id, tag.glyphs.length);
          tag.glyphs.forEach((g, i) => checkGlyph(g.records, problems, `${where}: font ${tag.id} glyph ${i}`));
          for (let i = 1; i < tag.codeUnits.length; i++)
            if (tag.codeUnits[i] <= tag.codeUnits[i - 1]) problems.push(`${where}: font ${tag.id} codes out of order`);
        }
        break;
      case TagType.DefineText: {
        let font;
        for (const record of tag.records) {
          if (record.fontId !== undefined) font = record.fontId;
          if (!fonts.has(font)) problems.push(`${where}: text ${tag.id} uses font ${font}, not defined before`);
          else if (record.entries.some((e) => e.index >= fonts.get(font)))
            problems.push(`${where}: text ${tag.id} uses a glyph font ${font} does not have`);
        }
        break;
      }
      case TagType.DefineShape:
        checkPathsClose(tag, problems, where);
        for (const fill of tag.shape.initialStyles.fill)
          if (fill.bitmapId !== undefined && !defined.has(fill.bitmapId))
            problems.push(`${where}: shape ${tag.id} fills with undefined bitmap ${fill.bitmapId}`);
        break;
      case TagType.ShowFrame:
        frame.onStage = [...onStage.values()];
        frames.push(frame);
        frame = { actions: [], placed: [] };
        break;
    }
  }
  return { frames, counts };
}

function main() {
  const lines = process.argv[2] === "--lines";
  const file = process.argv[lines ? 3 : 2];
  const bytes = fs.readFileSync(file);
  const movie = parseSwf(bytes);
  const problems = [];
  const signature = bytes.subarray(0, 3).toString("latin1");
  const statedLength = bytes.readUInt32LE(4);
  const body = signature === "CWS" ? zlib.inflateSync(bytes.subarray(8)) : bytes.subarray(8);
  if (body.length + 8 !== statedLength) problems.push(`file length ${statedLength} in header, ${body.length + 8} found`);

  const defined = new Set();
  const main = summariseTimeline(movie.tags, defined, problems, "main timeline");
  const h = movie.header;
  if (main.frames.length !== h.frameCount) problems.push(`${h.frameCount} frames in header, ${main.frames.length} ShowFrame tags`);

  const bitmaps = [];
  const buttons = [];
  const sprites = [];
  const texts = [];
  const fonts = [];
  const staticTexts = [];
  for (const tag of movie.tags) {
    if (tag.type === TagType.DefineBitmap) {
      const entry = { id: tag.id, mediaType: tag.mediaType, width: tag.width, height: tag.height, bytes: tag.data.length };
      if (tag.mediaType.startsWith("image/x-swf-lossless")) Object.assign(entry, checkLossless(tag, problems));
      bitmaps.push(entry);
    } else if (tag.type === TagType.DefineButton) {
      buttons.push({
        id: tag.id,
        states: tag.records.map((r) => ({ characterId: r.characterId, up: r.stateUp, over: r.stateOver, down: r.stateDown, hit: r.stateHitTest })),
        actions: tag.actions.map((a) => ({
          onRelease: !!a.conditions?.overDownToOverUp,
          key: a.conditions?.keyPress ?? null,
          code: decodeActions(a.actions),
        })),
      });
    } else if (tag.type === TagType.DefineSprite) {
      const clip = summariseTimeline(tag.tags, defined, problems, `clip ${tag.id}`);
      if (clip.frames.length !== tag.frameCount) problems.push(`clip ${tag.id}: ${tag.frameCount} frames declared, ${clip.frames.length} found`);
      sprites.push({ id: tag.id, frameCount: tag.frameCount, frames: clip.frames, tagCounts: clip.counts });
    } else if (tag.type === TagType.DefineDynamicText) {
      texts.push({ id: tag.id, variableName: tag.variableName, fontId: tag.fontId });
    } else if (tag.type === TagType.DefineFont && tag.glyphs) {
      fonts.push({ id: tag.id, name: tag.fontName, emSquareSize: tag.emSquareSize, glyphs: tag.glyphs.length });
    } else if (tag.type === TagType.DefineText) {
      staticTexts.push({ id: tag.id, records: tag.records.length,
                         glyphs: tag.records.reduce((n, r) => n + r.entries.length, 0) });
    }
  }

  const summary = {
    signature,
    compressed: signature === "CWS",
    version: h.swfVersion,
    fileLength: statedLength,
    stage: h.frameSize,
    stageWidthPixels: (h.frameSize.xMax - h.frameSize.xMin) / 20,
    stageHeightPixels: (h.frameSize.yMax - h.frameSize.yMin) / 20,
    frameRate: h.frameRate.epsilons / 256,
    frameCount: h.frameCount,
    tagCounts: main.counts,
    frames: main.frames.map((f) => ({
      stop: f.actions.some((a) => a.includes("stop")),
      actions: f.actions,
      placed: f.placed,
      onStage: f.onStage,
    })),
    bitmaps,
    buttons,
    sprites,
    editTexts: texts,
    fonts,
    texts: staticTexts,
    problems,
  };
  if (lines) process.stdout.write(flatten(summary, "", []).join("\n") + "\n");
  else process.stdout.write(JSON.stringify(summary, null, 1) + "\n");
}

try {
  main();
} catch (e) {
  process.stdout.write(JSON.stringify({ error: String(e?.message ?? e) }) + "\n");
  process.exit(1);
}
