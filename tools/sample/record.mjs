// The fixed-width line of one reference record, 138 characters, and the header line.

// The placeholders that the listings test for.
export const NO_COMMUNE = "-----";
export const NO_POSTAL_CODE = "-----";
export const NO_REFERENCE = "      ";

// Cut to the width, then padded with blanks.
export function fit(text, width) {
    const characters = [...text].slice(0, width);
    return characters.join("") + " ".repeat(width - characters.length);
}

// Columns 1-3 and the single columns between fields are blank.
export function recordLine(record) {
    return (
        "   " +
        fit(record.commune, 28) + " " +
        fit(record.diploma, 5) + " " +
        fit(record.reference, 6) + " " +
        fit(record.activityType, 7) + " " +
        fit(record.activityName, 28) + " " +
        fit(record.observation, 16) + " " +
        fit(record.postalCode, 6) + " " +
        fit(record.canton, 32)
    );
}

// The revision text stands in columns 7 to 30.
export function headerLine(revision) {
    return " ".repeat(6) + fit(revision, 24);
}

// The canton field: the name, one blank and the four-character number; the name alone when the
// number is missing.
export function cantonField(name, number) {
    return number ? `${name} ${number}` : name;
}
