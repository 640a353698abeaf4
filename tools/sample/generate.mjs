// Builds the example reference file Liste_References.prn from the real French communes:
// deterministic (fixed seed), Windows-1252, CR LF. Usage: node generate.mjs OUTPUT_FILE
import { writeFileSync } from "node:fs";

import { encode } from "./cp1252.mjs";
import {
    castles, inlandIslands, iotaIslands, lights, maritimeIslands, mills, paris, sambreForts,
} from "./diplomas.mjs";
import { departmentNumber, serial } from "./communes.mjs";
import { chance, random } from "./random.mjs";
import { headerLine, NO_COMMUNE, recordLine } from "./record.mjs";
import { ensureWidestCantonName, plantedRecords } from "./planted_records.mjs";

const RECORD_COUNT = 40000;
const REVISION = "Révision 2026-12 (exemple)";

const DIPLOMA_ORDER = ["DFCF", "DMF", "DIFI", "DIFM", "IOTA", "WLOTA", "DPLF", "DFVS", "DAP", "DQP", "DIP"];

function allRecords() {
    const wlota = (record, index) => serial("LH", 100 + index * 7, 4);
    const dplf = (record, index) => record.commune === NO_COMMUNE
        ? serial("PM-", index + 1, 3)
        : departmentNumber("DPLF", record.postalCode.slice(0, 2));
    const records = [
        ...plantedRecords(),
        ...mills(15500), ...inlandIslands(1800), ...maritimeIslands(900), ...iotaIslands(300),
        ...lights("WLOTA", 350, wlota), ...lights("DPLF", 300, dplf), ...sambreForts(60), ...paris(),
    ];
    ensureWidestCantonName(records);
    records.push(...castles(RECORD_COUNT - records.length));
    return records;
}

// Some lines of the real file lost their trailing blanks, and a few are cut short inside a field.
const CUT_LENGTHS = [20, 35, 42, 50, 70, 90, 103, 120, 130];
function cutSome(lines) {
    const result = lines.map((line) => (chance(0.015) ? line.trimEnd() : line));
    for (const length of CUT_LENGTHS) {
        const index = 1 + Math.floor(random() * (result.length - 1));
        result[index] = result[index].slice(0, length);
    }
    return result;
}

function main() {
    const output = process.argv[2];
    if (!output) {
        console.error("usage: node generate.mjs OUTPUT_FILE");
        process.exit(2);
    }
    const records = allRecords().sort(
        (a, b) => DIPLOMA_ORDER.indexOf(a.diploma) - DIPLOMA_ORDER.indexOf(b.diploma) ||
            (a.reference < b.reference ? -1 : a.reference > b.reference ? 1 : 0),
    );
    const lines = cutSome(records.map(recordLine));
    const text = [headerLine(REVISION), ...lines].map((line) => `${line}\r\n`).join("");
    writeFileSync(output, encode(text));
    console.log(`${output}: ${records.length} records`);
}

main();

