// Windows-1252 encoding: one byte per character, so that a field padded to N characters is
// N bytes in the file.

// The characters of bytes 0x80 to 0x9F; the five undefined bytes are left out.
const HIGH_BYTES = new Map([
    ["€", 0x80], ["‚", 0x82], ["ƒ", 0x83], ["„", 0x84], ["…", 0x85], ["†", 0x86], ["‡", 0x87],
    ["ˆ", 0x88], ["‰", 0x89], ["Š", 0x8a], ["‹", 0x8b], ["Œ", 0x8c], ["Ž", 0x8e],
    ["‘", 0x91], ["’", 0x92], ["“", 0x93], ["”", 0x94], ["•", 0x95], ["–", 0x96], ["—", 0x97],
    ["˜", 0x98], ["™", 0x99], ["š", 0x9a], ["›", 0x9b], ["œ", 0x9c], ["ž", 0x9e], ["Ÿ", 0x9f],
]);

function directByte(character) {
    const code = character.codePointAt(0);
    if (code < 0x80 || (code >= 0xa0 && code <= 0xff)) {
        return code;
    }
    return HIGH_BYTES.get(character);
}

// The byte of one character. A letter with no byte of its own loses its accent (ő gives o);
// anything else becomes '?', as the program's own converter does.
export function encodeCharacter(character) {
    const direct = directByte(character);
    if (direct !== undefined) {
        return direct;
    }
    const base = character.normalize("NFD")[0];
    if (base !== character) {
        const plain = directByte(base);
        if (plain !== undefined) {
            return plain;
        }
    }
    return 0x3f;
}

export function encode(text) {
    return Buffer.from([...text].map(encodeCharacter));
}
