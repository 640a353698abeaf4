// Checks the generated example file: its size and line ends, its header, the columns of its
// records, and the cases planted for the listings and the search. Needs nothing but Node.
// Usage: node check.mjs [FILE]; prints what is wrong and exits with 1, or says "ok".
import { readFileSync } from "node:fs";

import { encode } from "./cp1252.mjs";

const file = process.argv[2] ?? new URL("../../data/sample/Liste_References.prn", import.meta.url);
const bytes = readFileSync(file);
const text = bytes.toString("latin1"); // one character per byte: columns are byte columns
const problems = [];
const check = (ok, what) => ok || problems.push(what);
const cp = (utf8) => encode(utf8).toString("latin1");

check(text.endsWith("\r\n") && !/[^\r]\n|\r[^\n]/.test(text), "every line ends with CR LF");
const lines = text.slice(0, -2).split("\r\n");
check(lines.length === 40001, `the header and 40,000 records, not ${lines.length} lines`);
check(lines[0].slice(0, 30) === "      " + cp("Révision 2026-12 (exempl"), "the revision in columns 7 to 30");

const records = lines.slice(1);
const field = (line, column, width) => line.slice(column - 1, column - 1 + width).trim();
const diplomas = ["DFCF", "DMF", "DIFI", "DIFM", "IOTA", "WLOTA", "DPLF", "DFVS", "DAP", "DQP", "DIP"];
const complete = records.filter((line) => line.length === 138);
check(complete.length > 39000, "nearly every record is complete");
for (const line of complete) {
    const blanks = [1, 2, 3, 32, 38, 45, 53, 82, 99, 106].every((column) => line[column - 1] === " ");
    const canton = field(line, 107, 32);
    // A name of at most 27 characters, then one blank and a number of four digits if any.
    const cantonOk = /\d$/.test(canton) ? /^.{0,27} \d{4}$/.test(canton) : canton.length <= 27;
    if (!blanks || !diplomas.includes(field(line, 33, 5)) || !cantonOk) {
        problems.push(`a record out of its columns: ${line}`);
        break;
    }
}

const of = (diploma) => records.filter((line) => field(line, 33, 5) === diploma);
for (const diploma of diplomas) {
    check(of(diploma).length > 0, `records of ${diploma}`);
}
check(of("DFCF").length > 15000 && of("DMF").length > 10000, "mostly castles and mills");
const castles = of("DFCF");
check(castles.filter((line) => field(line, 100, 2) === "29").length >= 5, "castles of the Finistère");
check(castles.some((line) => field(line, 4, 28) === "-----"), "a castle without commune");
check(castles.some((line) => field(line, 100, 6) === "-----"), "a castle without postal code");
check(castles.some((line) => field(line, 39, 6) === ""), "a castle without reference number");
check(castles.some((line) => /[^\d\s]$/.test(field(line, 107, 32))), "a castle's canton without number");
check(castles.some((line) => /^.{27} \d{4}$/.test(field(line, 107, 32))), "a canton name of 27 characters");
check(of("DPLF").some((line) => field(line, 107, 32) === ""), "a light without canton");
check(of("DAP").every((line) => !/\d$/.test(field(line, 107, 32))), "Paris cantons without number");
check(records.some((line) => field(line, 54, 28) === "Fort Boyard" && field(line, 100, 2) === "17"),
    "Fort Boyard, without commune, in the Charente-Maritime");
check(records.some((line) => field(line, 54, 28) === "Ilot de Stagadon"), "the island without postal code");
check(records.some((line) => field(line, 4, 28) === cp("CŒUVRES-ET-VALSERY")), "a commune with Œ");
check(records.some((line) => field(line, 4, 28).includes(cp("HAŸ"))), "a commune with Ÿ");
for (const character of ["€", "Œ", "’", "œ", "Ÿ"]) {
    check(text.includes(cp(character)), `the byte of ${character}`);
}
const cutInside = (first, last) => records.some((line) => line.length >= first && line.length < last);
check(cutInside(4, 31) && cutInside(54, 81) && cutInside(100, 105) && cutInside(107, 138),
    "lines cut short inside the commune, the activity, the postal code and the canton");

if (problems.length > 0) {
    console.error(problems.join("\n"));
    process.exit(1);
}
console.log(`${file}: ok`);
