// The records of each diploma: castles and forts, mills, islands, lighthouses, the Sambre forts
// and the diplomas of Paris, each with believable types, names and reference numbers.
import {
    communeRecord, communes, departmentNumber, namedCommune, observation, of, parisArrondissement,
    serial,
} from "./communes.mjs";
import * as places from "./places.mjs";
import { chance, pick, random } from "./random.mjs";
import { NO_COMMUNE, NO_POSTAL_CODE } from "./record.mjs";

const WEST = new Set(["22", "29", "35", "56", "44", "85", "49", "53", "72", "79", "86", "59", "62", "80"]);
const BRITTANY = new Set(["22", "29", "35", "56"]);
const SEA_OF = (department) =>
    ["59", "62", "80", "76", "14", "50", "35", "22"].includes(department)
        ? "MA"
        : ["66", "11", "34", "30", "13", "83", "06", "2A", "2B"].includes(department)
          ? "ME"
          : "AT";

export function castles(count) {
    const kinds = [
        ["Château", 55], ["Manoir", 12], ["Fort", 6], ["Tour", 6], ["Donjon", 5], ["Motte", 3],
        ["Ruines", 3], ["Rempart", 3], ["Citad.", 2], ["Château", 5],
    ];
    const total = kinds.reduce((sum, [, weight]) => sum + weight, 0);
    const sites = ["La Roche", "Montfort", "La Motte", "Le Plessis", "Beauregard", "La Tour", "Bellevue",
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
            : chance(0.6) ? commune.nom : pick(sites);
        records.push(communeRecord(commune, {
            diploma: "DFCF", reference: departmentNumber("DFCF", commune.departement),
            activityType: kind, activityName: `${word} ${of(place)}`,
        }));
    }
    return records;
}

export function mills(count) {
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

export function inlandIslands(count) {
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

export function maritimeIslands(count) {
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

export function iotaIslands(count) {
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
export function lights(diploma, count, reference) {
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

export function sambreForts(count) {
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

export function paris() {
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
