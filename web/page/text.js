// The bytes of a report as text, and text as HTML: the text report is
// code page 850, the HTML report plain ASCII.

// Code page 850, the bytes 0x80 to 0xFF.
const kCodePage850 =
  "ÇüéâäàåçêëèïîìÄÅÉæÆôöòûùÿÖÜø£Ø×ƒáíóúñÑªº¿®¬½¼¡«»░▒▓│┤ÁÂÀ©╣║╗╝¢¥┐" +
  "└┴┬├─┼ãÃ╚╔╩╦╠═╬¤ðÐÊËÈıÍÎÏ┘┌█▄¦Ì▀ÓßÔÒõÕµþÞÚÛÙýÝ¯´\u00ad±‗¾¶§÷¸°¨·¹³²■\u00a0";

const kCodePage850Characters = Array.from({ length: 256 }, (_, byte) =>
  byte < 0x80 ? String.fromCharCode(byte) : kCodePage850[byte - 0x80]);

export function fromCodePage850(bytes) {
  const characters = new Array(bytes.length);
  for (let i = 0; i < bytes.length; ++i) characters[i] = kCodePage850Characters[bytes[i]];
  return characters.join("");
}

export function fromAscii(bytes) {
  let text = "";
  for (let i = 0; i < bytes.length; i += 8192) {
    text += String.fromCharCode.apply(null, bytes.subarray(i, i + 8192));
  }
  return text;
}

const kEntities = { "&": "&amp;", "<": "&lt;", ">": "&gt;", '"': "&quot;" };

// `text` for an element's content or an attribute's value in quotes.
export const escapeHtml = (text) => text.replace(/[&<>"]/g, (c) => kEntities[c]);
