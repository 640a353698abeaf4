// Believable cantons: in each department the most populous communes are the seats and give their
// names; a large town is split into numbered cantons (Brest-1, Brest-2...); every other commune
// belongs to a seat of its own arrondissement. Canton numbers are four digits, the department and
// a two-digit index, as in "2905"; Corsica's two departments share 20, 2B counting from 51.

const COMMUNES_PER_CANTON = 17;
const NUMBER_PREFIX = new Map([["2A", ["20", 0]], ["2B", ["20", 50]]]);
const INHABITANTS_PER_TOWN_CANTON = 35000;
export const CANTON_NAME_WIDTH = 27;

function stableHash(text) {
    let hash = 2166136261;
    for (const character of text) {
        hash = Math.imul(hash ^ character.codePointAt(0), 16777619) >>> 0;
    }
    return hash;
}

function seatNames(seat) {
    const parts = Math.min(6, Math.floor((seat.population ?? 0) / INHABITANTS_PER_TOWN_CANTON));
    const name = [...seat.nom].slice(0, CANTON_NAME_WIDTH - 2).join("");
    if (parts < 2) {
        return [[...seat.nom].slice(0, CANTON_NAME_WIDTH).join("")];
    }
    return Array.from({ length: parts }, (_, index) => `${name}-${index + 1}`);
}

// Returns a function that gives the {name, number} of a commune's canton.
export function buildCantons(communes) {
    const byDepartment = new Map();
    for (const commune of communes) {
        if (!byDepartment.has(commune.departement)) {
            byDepartment.set(commune.departement, []);
        }
        byDepartment.get(commune.departement).push(commune);
    }

    const cantonsOfCommune = new Map();
    for (const [department, members] of byDepartment) {
        const seatCount = Math.max(1, Math.round(members.length / COMMUNES_PER_CANTON));
        const seats = [...members]
            .sort((a, b) => (b.population ?? 0) - (a.population ?? 0) || a.code.localeCompare(b.code))
            .slice(0, seatCount);
        const names = [...new Set(seats.flatMap(seatNames))].sort();
        const [prefix, offset] = NUMBER_PREFIX.get(department) ?? [department, 0];
        const numbers = new Map(
            names.map((name, index) => [name, prefix + String(((offset + index) % 99) + 1).padStart(2, "0")]),
        );
        const cantonsOf = (seat) => seatNames(seat).map((name) => ({ name, number: numbers.get(name) }));

        for (const seat of seats) {
            cantonsOfCommune.set(seat.code, cantonsOf(seat));
        }
        for (const commune of members) {
            if (cantonsOfCommune.has(commune.code)) {
                continue;
            }
            const near = seats.filter((seat) => seat.arrondissement === commune.arrondissement);
            const candidates = near.length > 0 ? near : seats;
            const seat = candidates[stableHash(commune.code) % candidates.length];
            cantonsOfCommune.set(commune.code, cantonsOf(seat));
        }
    }
    return (commune, random) => {
        const cantons = cantonsOfCommune.get(commune.code);
        return cantons[Math.floor(random() * cantons.length)];
    };
}
