// Builds the example reference file Liste_References.prn from the real French communes:
// deterministic (fixed seed), Windows-1252, CR LF. Usage: node generate.mjs OUTPUT_FILE
import { writeFileSync } from "node:fs";
import { createRequire } from "node:module";

import { buildCantons, CANTON_NAME_WIDTH } from "./cantons.mjs";
import { encode } from "./cp1252.mjs";
import * as places from "./places.mjs";
import { cantonField, headerLine, recordLine } from "./record.mjs";

const require = createRequire(import.meta.url);
const allCommunes = require("@etalab/decoupage-administratif/data/communes.json");

const RECORD_COUNT = 40000;
const REVISION = "Révision 2026-12 (exemple)";
const NO_COMMUNE = "-----";
const NO_POSTAL_CODE = "-----";
const NO_REFERENCE = "      ";

// mulberry32: small, fast and the same on every machine.
function makeRandom(seed) {
    let state = seed >>> 0;
    return () => {
        state = (state + 0x6d2b79f5) >>> 0;
        let t = state;
        t = Math.imul(t ^ (t >>> 15), t | 1);
        t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
        return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
    };
}
const random = makeRandom(20261207);
const pick = (items) => items[Math.floor(random() * items.length)];
const chance = (probability) => random() < probability;

// --- Communes -----------------------------------------------------------------------------------

const communes = allCommunes.filter(
    (c) => c.type === "commune-actuelle" && c.zone === "metro" && c.codesPostaux && c.departement !== "75",
);
const communeByName = new Map(communes.map((c) => [`${c.departement}|${c.nom}`, c]));
const communesOfDepartment = (department) => communes.filter((c) => c.departement === department);
function namedCommune(name, department) {
    return communeByName.get(`${department}|${name}`) ?? communesOfDepartment(department)[0];
}
const parisArrondissement = (number) =>
    allCommunes.find((c) => c.code === `751${String(number).padStart(2, "0")}`);

const cantonOf = buildCantons(communes);

// "de" as French writes it before a name: du Havre, de la Rochelle, d’Ailly, des Sables.
function of(name) {
    if (name.startsWith("Le ")) return `du ${name.slice(3)}`;
    if (name.startsWith("Les ")) return `des ${name.slice(4)}`;
    if (name.startsWith("La ")) return `de la ${name.slice(3)}`;
    if (name.startsWith("L'")) return `de l’${name.slice(2)}`;
    if (/^[AEIOUYÉÈÊÎÔŒH]/i.test(name)) return `d’${name}`;
    return `de ${name}`;
}

function observation() {
    const roll = random();
    if (roll < 0.55) {
        const day = String(1 + Math.floor(random() * 28)).padStart(2, "0");
        const month = String(1 + Math.floor(random() * 12)).padStart(2, "0");
        return `${day}/${month}/${1995 + Math.floor(random() * 32)}`;
    }
    if (roll < 0.93) return "";
    return pick(["Ruines", "Propriété privée", "Site classé", "Disparu", "Visite payante", "Entrée 5 €"]);
}

// A record in a commune of the data, with its postal code and canton.
function communeRecord(commune, fields) {
    const canton = cantonOf(commune, random);
    return {
        commune: commune.nom.toUpperCase(),
        postalCode: pick(commune.codesPostaux),
        canton: cantonField(canton.name, canton.number),
        observation: observation(),
        ...fields,
    };
}

// Per-department numbering: "29-012".
const counters = new Map();
function departmentNumber(diploma, department) {
    const key = `${diploma}|${department}`;
    const next = (counters.get(key) ?? 0) + 1;
    counters.set(key, next);
    return `${department}-${String(next).padStart(3, "0")}`;
}
const serial = (prefix, index, digits) => `${prefix}${String(index).padStart(digits, "0")}`;

// --- Diplomas -----------------------------------------------------------------------------------

const WEST = new Set(["22", "29", "35", "56", "44", "85", "49", "53", "72", "79", "86", "59", "62", "80"]);
const BRITTANY = new Set(["22", "29", "35", "56"]);
const SEA_OF = (department) =>
    ["59", "62", "80", "76", "14", "50", "35", "22"].includes(department)
        ? "MA"
        : ["66", "11", "34", "30", "13", "83", "06", "2A", "2B"].includes(department)
          ? "ME"
          : "AT";

function castles(count) {
    const kinds = [
        ["Château", 55], ["Manoir", 12], ["Fort", 6], ["Tour", 6], ["Donjon", 5], ["Motte", 3],
        ["Ruines", 3], ["Rempart", 3], ["Citad.", 2], ["Château", 5],
    ];
    const total = kinds.reduce((sum, [, weight]) => sum + weight, 0);
    const places = ["La Roche", "Montfort", "La Motte", "Le Plessis", "Beauregard", "La Tour", "Bellevue",
        "Le Val", "Le Bois", "Les Ormes", "Rochefort", "La Garde", "Mercœur", "Boisrond"];
    const fullName = { "Citad.": "Citadelle", Ruines: "Château", Rempart: "Remparts", Motte: "Motte castrale" };
    const records = [];
    for (let index = 0; index < count; index++) {
        const commune = pick(communes);
        let roll = random() * total;
        const [kind] = kinds.find(([, weight]) => (roll -= weight) < 0) ?? kinds[0];
        const word = fullName[kind] ?? kind;
        const place = BRITTANY.has(commune.departement) && chance(0.3)
            ? `Ker${pick(["louan", "gonan", "jean", "madec", "oulas", "ampuil", "hervé"])}`
            : chance(0.6) ? commune.nom : pick(places);
        records.push(communeRecord(commune, {
            diploma: "DFCF", reference: departmentNumber("DFCF", commune.departement),
            activityType: kind, activityName: `${word} ${of(place)}`,
        }));
    }
    return records;
}

function mills(count) {
    const western = communes.filter((c) => WEST.has(c.departement));
    const names = ["Moulin du Pont", "Moulin Neuf", "Moulin de la Forge", "Moulin Blanc", "Moulin Rouge",
        "Moulin de la Roche", "Moulin du Bourg", "Moulin de la Vallée", "Vieux Moulin", "Moulin des Prés",
        "Moulin de la Chapelle", "Grand Moulin"];
    const records = [];
    for (let index = 0; index < count; index++) {
        const commune = chance(0.4) ? pick(western) : pick(communes);
        const style = random();
        const name = style < 0.35 ? `Moulin ${of(commune.nom)}`
            : style < 0.55 ? `Moulin à vent ${of(commune.nom)}`
            : style < 0.65 ? `Moulin à eau ${of(commune.nom)}`
            : pick(names);
        records.push(communeRecord(commune, {
            diploma: "DMF", reference: departmentNumber("DMF", commune.departement),
            activityType: "Moulin", activityName: name,
        }));
    }
    return records;
}

function inlandIslands(count) {
    const names = ["Ile du Moulin", "Ile aux Moines", "Grande Ile", "Ile Verte", "Ile Longue",
        "Ile Barbe", "Ile aux Oiseaux", "Ile du Château", "Ile Marie", "Ile des Prés", "Ile Neuve",
        "Ile de la Motte", "Ilot du Barrage"];
    const records = [];
    for (let index = 0; index < count; index++) {
        const commune = pick(communes);
        const name = chance(0.4) ? `Ile ${of(commune.nom)}` : pick(names);
        records.push(communeRecord(commune, {
            diploma: "DIFI", reference: departmentNumber("DIFI", commune.departement),
            activityType: name.startsWith("Ilot") ? "Ilot" : "Ile", activityName: name,
        }));
    }
    return records;
}

const ISLET_NAMES = ["du Gouffre", "des Cormorans", "aux Mouettes", "Plate", "Rouge", "Verte", "du Large",
    "de la Pointe", "aux Chèvres", "des Landes", "du Fort", "Saint-Michel", "aux Oiseaux", "de l’Aber",
    "Longue", "Ronde", "aux Œufs"];

// The sea islands and islets, with the department of each.
function seaIslands(count) {
    const coastal = places.COASTAL_COMMUNES.map(([name, department]) => namedCommune(name, department));
    const islands = [];
    for (const [name, communeName, department] of places.SEA_ISLANDS) {
        islands.push({ commune: namedCommune(communeName, department), name, type: "Ile" });
    }
    while (islands.length < count) {
        const commune = pick(coastal);
        const type = pick(["Ilot", "Rocher", "Ile"]);
        islands.push({ commune, name: `${type} ${pick(ISLET_NAMES)}`, type });
    }
    return islands;
}

function maritimeIslands(count) {
    const sequence = new Map();
    return seaIslands(count).map(({ commune, name, type }) => {
        const sea = SEA_OF(commune.departement);
        sequence.set(sea, (sequence.get(sea) ?? 0) + 1);
        return communeRecord(commune, {
            diploma: "DIFM", reference: serial(`${sea}-`, sequence.get(sea), 3),
            activityType: type, activityName: name,
        });
    });
}

function iotaIslands(count) {
    return seaIslands(count).map(({ commune, name, type }) =>
        communeRecord(commune, {
            diploma: "IOTA", reference: pick(places.IOTA_GROUPS.get(commune.departement) ?? ["EU-064"]),
            activityType: type, activityName: name,
        }));
}

const HARBOUR_LIGHTS = [["Feu", "Feu de la jetée Nord"], ["Feu", "Feu de la jetée Sud"],
    ["Feu", "Feu de la jetée Est"], ["Feu", "Feu d’alignement antérieur"],
    ["Feu", "Feu d’alignement postérieur"], ["Feu", "Feu du môle"], ["Feu", "Feu vert du port"],
    ["Feu", "Feu rouge du port"], ["Balise", "Balise de l’entrée"], ["Phare", "Phare de la Pointe"]];

// Lighthouses and lights: the famous ones, the ones at sea, then harbour lights of the coast.
function lights(diploma, count, reference) {
    const records = [];
    for (const [name, communeName, department] of places.FAMOUS_LIGHTHOUSES) {
        records.push(communeRecord(namedCommune(communeName, department), {
            diploma, activityType: "Phare", activityName: name,
        }));
    }
    for (const [name, postalCode] of places.OFFSHORE_LIGHTS) {
        records.push({
            commune: NO_COMMUNE, diploma, activityType: "Phare", activityName: name,
            observation: observation(), postalCode: postalCode || NO_POSTAL_CODE, canton: "",
        });
    }
    const coastal = places.COASTAL_COMMUNES.map(([name, department]) => namedCommune(name, department));
    for (const commune of coastal) {
        records.push(communeRecord(commune, { diploma, activityType: "Phare", activityName: `Phare ${of(commune.nom)}` }));
    }
    while (records.length < count) {
        const [type, name] = pick(HARBOUR_LIGHTS);
        records.push(communeRecord(pick(coastal), { diploma, activityType: type, activityName: name }));
    }
    return records.map((record, index) => ({ ...record, reference: reference(record, index) }));
}

function sambreForts(count) {
    const sambre = places.SAMBRE_COMMUNES.map((name) => namedCommune(name, "59"));
    const records = [];
    for (let index = 1; index <= count; index++) {
        const commune = sambre[index % sambre.length];
        const work = pick(places.SAMBRE_WORKS);
        const name = index <= sambre.length ? `${work} ${of(commune.nom)}` : `${work} ${pick(["du Bois", "de la Sambre", "du Moulin", "des Sarts", "de la Route"])}`;
        records.push(communeRecord(commune, {
            diploma: "DFVS", reference: serial("VS-", index, 3), activityType: work.slice(0, 7), activityName: name,
        }));
    }
    return records;
}

function parisRecord(arrondissement, fields) {
    const commune = parisArrondissement(arrondissement);
    return {
        commune: commune.nom.toUpperCase(), postalCode: commune.codesPostaux[0],
        canton: "Paris", observation: observation(), ...fields,
    };
}

function paris() {
    const records = places.PARIS_ARRONDISSEMENTS.map((name, index) => {
        const full = `Arrondissement ${name}`;
        return parisRecord(index + 1, {
            diploma: "DAP", reference: serial("AP-", index + 1, 2), activityType: "Arrdt",
            activityName: full.length <= 28 ? full : `Arrdt ${name}`,
        });
    });
    places.PARIS_QUARTERS.forEach((name, index) => {
        const full = `Quartier ${name}`;
        records.push(parisRecord(Math.floor(index / 4) + 1, {
            diploma: "DQP", reference: serial("QP-", index + 1, 3), activityType: "Quart.",
            activityName: full.length <= 28 ? full : name,
        }));
    });
    places.PARIS_ISLANDS.forEach(([name, arrondissement], index) => {
        records.push(parisRecord(arrondissement, {
            diploma: "DIP", reference: serial("IP-", index + 1, 2), activityType: "Ile", activityName: name,
        }));
    });
    return records;
}

// --- Cases that the listings and the search treat apart -----------------------------------------

function specialRecords() {
    const commune = (name, department) => namedCommune(name, department);
    const records = [
        // Forts at sea: no commune; the DFCF listing leaves them out, "****" lists them.
        { commune: NO_COMMUNE, diploma: "DFCF", reference: "17-900", activityType: "Fort",
            activityName: "Fort Boyard", observation: "01/06/1999", postalCode: "17123", canton: "" },
        { commune: NO_COMMUNE, diploma: "DFCF", reference: "35-900", activityType: "Fort",
            activityName: "Fort de la Conchée", observation: "", postalCode: NO_POSTAL_CODE, canton: "" },
        // An island with a commune but no postal code.
        communeRecord(commune("Plouguerneau", "29"), { diploma: "DIFM", reference: "AT-900",
            activityType: "Ilot", activityName: "Ilot de Stagadon", postalCode: NO_POSTAL_CODE, canton: "" }),
        // Names with œ, Œ and Ÿ, and a known one that the tests look for.
        communeRecord(commune("Cœuvres-et-Valsery", "02"), { diploma: "DFCF", reference: "02-900",
            activityType: "Château", activityName: "Château de Cœuvres" }),
        communeRecord(commune("L'Haÿ-les-Roses", "94"), { diploma: "DMF", reference: "94-900",
            activityType: "Moulin", activityName: "Moulin de la Bièvre" }),
        communeRecord(commune("Œuilly", "51"), { diploma: "DMF", reference: "51-900",
            activityType: "Moulin", activityName: "Moulin d’Œuilly", observation: "Entrée 5 €" }),
    ];
    // References still waiting for their number.
    for (let index = 0; index < 12; index++) {
        const c = pick(communes);
        records.push(communeRecord(c, { diploma: index % 3 ? "DFCF" : "DMF", reference: NO_REFERENCE,
            activityType: index % 3 ? "Château" : "Moulin",
            activityName: `${index % 3 ? "Château" : "Moulin"} ${of(c.nom)}`, observation: "Réf. en attente" }));
    }
    // Cantons written without their number.
    for (let index = 0; index < 8; index++) {
        const c = pick(communesOfDepartment(pick(["29", "22", "56", "35"])));
        records.push(communeRecord(c, { diploma: "DFCF", reference: departmentNumber("DFCF", c.departement),
            activityType: "Manoir", activityName: `Manoir ${of(c.nom)}`, canton: cantonOf(c, random).name }));
    }
    return records;
}

// A canton name of exactly 27 characters, the widest the listings can show.
function ensureWidestCantonName(records) {
    const widest = (record) => /^(.{27}) \d{4}$/u.test(record.canton);
    if (records.some(widest)) {
        return;
    }
    const commune = communes.find((c) => [...c.nom].length >= CANTON_NAME_WIDTH);
    const name = [...commune.nom].slice(0, CANTON_NAME_WIDTH).join("");
    records.push(communeRecord(commune, { diploma: "DFCF", reference: departmentNumber("DFCF", commune.departement),
        activityType: "Château", activityName: `Château ${of(commune.nom)}`, canton: `${name} ${commune.departement}27` }));
}

// --- Assembly -----------------------------------------------------------------------------------

const DIPLOMA_ORDER = ["DFCF", "DMF", "DIFI", "DIFM", "IOTA", "WLOTA", "DPLF", "DFVS", "DAP", "DQP", "DIP"];

function allRecords() {
    const wlota = (record, index) => serial("LH", 100 + index * 7, 4);
    const dplf = (record, index) => record.commune === NO_COMMUNE
        ? serial("PM-", index + 1, 3)
        : departmentNumber("DPLF", record.postalCode.slice(0, 2));
    const records = [
        ...specialRecords(),
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
