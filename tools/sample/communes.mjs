// The communes of the data that records stand in, and what every record takes from them: its
// commune name, postal code, canton, observation and department-based number.
import { createRequire } from "node:module";

import { buildCantons } from "./cantons.mjs";
import { pick, random } from "./random.mjs";
import { cantonField } from "./record.mjs";

const require = createRequire(import.meta.url);
const allCommunes = require("@etalab/decoupage-administratif/data/communes.json");

export const communes = allCommunes.filter(
    (c) => c.type === "commune-actuelle" && c.zone === "metro" && c.codesPostaux && c.departement !== "75",
);
const communeByName = new Map(communes.map((c) => [`${c.departement}|${c.nom}`, c]));
export const communesOfDepartment = (department) => communes.filter((c) => c.departement === department);
export function namedCommune(name, department) {
    const commune = communeByName.get(`${department}|${name}`);
    if (!commune) {
        throw new Error(`no commune ${name} in department ${department}`);
    }
    return commune;
}
export const parisArrondissement = (number) =>
    allCommunes.find((c) => c.code === `751${String(number).padStart(2, "0")}`);

const cantonIn = buildCantons(communes);
// The canton of a commune; a large town's records spread over its numbered cantons.
export const cantonOf = (commune) => cantonIn(commune, random);

// "de" as French writes it before a name: du Havre, de la Rochelle, d’Ailly, des Sables.
export function of(name) {
    if (name.startsWith("Le ")) return `du ${name.slice(3)}`;
    if (name.startsWith("Les ")) return `des ${name.slice(4)}`;
    if (name.startsWith("La ")) return `de la ${name.slice(3)}`;
    if (name.startsWith("L'")) return `de l’${name.slice(2)}`;
    if (/^[AEIOUYÉÈÊÎÔŒH]/i.test(name)) return `d’${name}`;
    return `de ${name}`;
}

export function observation() {
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
export function communeRecord(commune, fields) {
    const canton = cantonOf(commune);
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
export function departmentNumber(diploma, department) {
    const key = `${diploma}|${department}`;
    const next = (counters.get(key) ?? 0) + 1;
    counters.set(key, next);
    return `${department}-${String(next).padStart(3, "0")}`;
}
export const serial = (prefix, index, digits) => `${prefix}${String(index).padStart(digits, "0")}`;
