// The cases that the listings and the search treat apart, planted on purpose: forts and islands
// without commune or postal code, references without number, cantons without number, names with
// œ, Œ and Ÿ, and a canton name as wide as the listings allow.
import { CANTON_NAME_WIDTH } from "./cantons.mjs";
import {
    cantonOf, communeRecord, communes, communesOfDepartment, departmentNumber, namedCommune, of,
} from "./communes.mjs";
import { pick } from "./random.mjs";
import { NO_COMMUNE, NO_POSTAL_CODE, NO_REFERENCE } from "./record.mjs";

export function plantedRecords() {
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
            activityType: "Manoir", activityName: `Manoir ${of(c.nom)}`, canton: cantonOf(c).name }));
    }
    return records;
}

// A canton name of exactly 27 characters, the widest the listings can show.
export function ensureWidestCantonName(records) {
    const widest = (record) => /^(.{27}) \d{4}$/u.test(record.canton);
    if (records.some(widest)) {
        return;
    }
    const commune = communes.find((c) => [...c.nom].length >= CANTON_NAME_WIDTH);
    const name = [...commune.nom].slice(0, CANTON_NAME_WIDTH).join("");
    records.push(communeRecord(commune, { diploma: "DFCF", reference: departmentNumber("DFCF", commune.departement),
        activityType: "Château", activityName: `Château ${of(commune.nom)}`, canton: `${name} ${commune.departement}27` }));
}

