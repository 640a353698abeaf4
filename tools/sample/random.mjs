// The generator's only source of chance: mulberry32 with a fixed seed, small, fast and the same
// on every machine, so that the file comes out byte for byte the same.

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
export const random = makeRandom(20261207);
export const pick = (items) => items[Math.floor(random() * items.length)];
export const chance = (probability) => random() < probability;
