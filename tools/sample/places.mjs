// Real places that the sample's coastal, island and Paris diplomas are built around. Communes are
// named as in the commune data, with their department.

// Coastal communes that have lighthouses and harbour lights.
export const COASTAL_COMMUNES = [
    ["Dunkerque", "59"], ["Gravelines", "59"], ["Calais", "62"], ["Boulogne-sur-Mer", "62"],
    ["Audinghen", "62"], ["Le Touquet-Paris-Plage", "62"], ["Berck", "62"], ["Cayeux-sur-Mer", "80"],
    ["Le Crotoy", "80"], ["Le Tréport", "76"], ["Dieppe", "76"], ["Fécamp", "76"], ["Étretat", "76"],
    ["Le Havre", "76"], ["Sainte-Marguerite-sur-Mer", "76"], ["Honfleur", "14"], ["Ouistreham", "14"],
    ["Port-en-Bessin-Huppain", "14"], ["Barfleur", "50"], ["Gatteville-le-Phare", "50"],
    ["Cherbourg-en-Cotentin", "50"], ["La Hague", "50"], ["Granville", "50"], ["Saint-Malo", "35"],
    ["Cancale", "35"], ["Dinard", "35"], ["Fréhel", "22"], ["Erquy", "22"],
    ["Saint-Quay-Portrieux", "22"], ["Paimpol", "22"], ["Perros-Guirec", "22"], ["Trébeurden", "22"],
    ["Roscoff", "29"], ["Plouguerneau", "29"], ["Le Conquet", "29"], ["Ouessant", "29"], ["Brest", "29"],
    ["Camaret-sur-Mer", "29"], ["Plogoff", "29"], ["Audierne", "29"], ["Penmarch", "29"],
    ["Concarneau", "29"], ["Douarnenez", "29"], ["Lorient", "56"], ["Port-Louis", "56"],
    ["Groix", "56"], ["Le Palais", "56"], ["Quiberon", "56"], ["La Trinité-sur-Mer", "56"],
    ["Le Croisic", "44"], ["Le Pouliguen", "44"], ["Saint-Nazaire", "44"], ["Pornic", "44"],
    ["Noirmoutier-en-l'Île", "85"], ["L'Île-d'Yeu", "85"], ["Les Sables-d'Olonne", "85"],
    ["Saint-Gilles-Croix-de-Vie", "85"], ["La Rochelle", "17"], ["Saint-Clément-des-Baleines", "17"],
    ["Saint-Georges-d'Oléron", "17"], ["Royan", "17"], ["Le Verdon-sur-Mer", "33"], ["Lacanau", "33"],
    ["Arcachon", "33"], ["La Teste-de-Buch", "33"], ["Capbreton", "40"], ["Biarritz", "64"],
    ["Saint-Jean-de-Luz", "64"], ["Hendaye", "64"], ["Port-Vendres", "66"], ["Collioure", "66"],
    ["Leucate", "11"], ["Sète", "34"], ["Agde", "34"], ["Le Grau-du-Roi", "30"], ["Marseille", "13"],
    ["La Ciotat", "13"], ["Toulon", "83"], ["Hyères", "83"], ["Saint-Tropez", "83"], ["Antibes", "06"],
    ["Nice", "06"], ["Menton", "06"], ["Ajaccio", "2A"], ["Bonifacio", "2A"], ["Porto-Vecchio", "2A"],
    ["Bastia", "2B"], ["Calvi", "2B"], ["L'Île-Rousse", "2B"],
];

// Named lighthouses: name, commune, department.
export const FAMOUS_LIGHTHOUSES = [
    ["Phare du Créac’h", "Ouessant", "29"], ["Phare du Stiff", "Ouessant", "29"],
    ["Phare de l’Ile Vierge", "Plouguerneau", "29"], ["Phare d’Eckmühl", "Penmarch", "29"],
    ["Phare de Saint-Mathieu", "Plougonvelin", "29"], ["Phare de la Coubre", "La Tremblade", "17"],
    ["Phare de Cordouan", "Le Verdon-sur-Mer", "33"], ["Phare des Baleines", "Saint-Clément-des-Baleines", "17"],
    ["Phare de Chassiron", "Saint-Denis-d'Oléron", "17"], ["Phare du Cap Fréhel", "Fréhel", "22"],
    ["Phare de Gatteville", "Gatteville-le-Phare", "50"], ["Phare d’Ailly", "Sainte-Marguerite-sur-Mer", "76"],
    ["Phare de la Hève", "Sainte-Adresse", "76"], ["Phare de Goulphar", "Bangor", "56"],
    ["Phare du Cap Ferret", "Lège-Cap-Ferret", "33"], ["Phare de Biarritz", "Biarritz", "64"],
    ["Phare du Planier", "Marseille", "13"], ["Phare de la Garoupe", "Antibes", "06"],
    ["Phare de Pertusato", "Bonifacio", "2A"], ["Phare de la Revellata", "Calvi", "2B"],
];

// Lights at sea, far from any commune: the file has no commune, and for some no postal code.
export const OFFSHORE_LIGHTS = [
    ["Phare d’Ar-Men", "", "29"], ["Phare de Tévennec", "", "29"], ["Phare de Kéréon", "29242", "29"],
    ["Phare de la Jument", "29242", "29"], ["Phare de la Vieille", "", "29"],
    ["Phare des Pierres Noires", "", "29"], ["Phare du Four", "29880", "29"],
    ["Phare des Héaux de Bréhat", "", "22"], ["Phare du Grand Jardin", "35400", "35"],
    ["Phare des Roches-Douvres", "", "22"], ["Phare de la Banche", "44490", "44"],
    ["Phare des Triagoz", "", "22"],
];

// Islands of the sea coast: island, commune, department.
export const SEA_ISLANDS = [
    ["Ile d’Ouessant", "Ouessant", "29"], ["Ile Molène", "Île-Molène", "29"],
    ["Ile de Sein", "Île-de-Sein", "29"], ["Ile de Batz", "Île-de-Batz", "29"],
    ["Archipel des Glénan", "Fouesnant", "29"], ["Ile Callot", "Carantec", "29"],
    ["Ile Vierge", "Plouguerneau", "29"], ["Ile Tristan", "Douarnenez", "29"], ["Ile de Groix", "Groix", "56"],
    ["Belle-Ile-en-Mer", "Le Palais", "56"], ["Ile d’Houat", "Île-d'Houat", "56"], ["Ile d’Hœdic", "Hœdic", "56"],
    ["Ile aux Moines", "Île-aux-Moines", "56"], ["Ile d’Arz", "Île-d'Arz", "56"],
    ["Ile de Bréhat", "Île-de-Bréhat", "22"], ["Les Sept-Iles", "Perros-Guirec", "22"],
    ["Ile Verdelet", "Pléneuf-Val-André", "22"], ["Ile d’Yeu", "L'Île-d'Yeu", "85"],
    ["Ile de Noirmoutier", "Noirmoutier-en-l'Île", "85"], ["Ile de Ré", "Saint-Martin-de-Ré", "17"],
    ["Ile d’Oléron", "Saint-Pierre-d'Oléron", "17"], ["Ile d’Aix", "Île-d'Aix", "17"],
    ["Ile Madame", "Port-des-Barques", "17"], ["Ile aux Oiseaux", "Arcachon", "33"],
    ["Ile Dumet", "Piriac-sur-Mer", "44"], ["Porquerolles", "Hyères", "83"], ["Port-Cros", "Hyères", "83"],
    ["Ile du Levant", "Hyères", "83"], ["Ile des Embiez", "Six-Fours-les-Plages", "83"],
    ["Archipel du Frioul", "Marseille", "13"], ["Ile Sainte-Marguerite", "Cannes", "06"],
    ["Ile Saint-Honorat", "Cannes", "06"], ["Iles Chausey", "Granville", "50"],
    ["Ile Tatihou", "Saint-Vaast-la-Hougue", "50"], ["Ile de Cézembre", "Saint-Malo", "35"],
    ["Iles Lavezzi", "Bonifacio", "2A"], ["Ile Cavallo", "Bonifacio", "2A"],
    ["Iles Sanguinaires", "Ajaccio", "2A"], ["Ile de la Pietra", "L'Île-Rousse", "2B"],
];

// The forts of the Sambre valley, all in the Nord.
export const SAMBRE_COMMUNES = [
    "Maubeuge", "Hautmont", "Feignies", "Boussois", "Jeumont", "Recquignies", "Assevent",
    "Marpent", "Louvroil", "Ferrière-la-Grande", "Rousies", "Colleret", "Aulnoye-Aymeries",
    "Berlaimont", "Landrecies", "Élesmes", "Bettignies", "Gognies-Chaussée", "Cerfontaine",
];
export const SAMBRE_WORKS = ["Fort", "Ouvrage", "Redoute", "Batterie", "Bastion", "Casemate"];

// The twenty arrondissements of Paris and their names.
export const PARIS_ARRONDISSEMENTS = [
    "du Louvre", "de la Bourse", "du Temple", "de l’Hôtel-de-Ville", "du Panthéon", "du Luxembourg",
    "du Palais-Bourbon", "de l’Élysée", "de l’Opéra", "de l’Entrepôt", "de Popincourt", "de Reuilly",
    "des Gobelins", "de l’Observatoire", "de Vaugirard", "de Passy", "des Batignolles-Monceau",
    "de la Butte-Montmartre", "des Buttes-Chaumont", "de Ménilmontant",
];

// The eighty quarters of Paris, four per arrondissement in order.
export const PARIS_QUARTERS = [
    "Saint-Germain-l’Auxerrois", "Halles", "Palais-Royal", "Place-Vendôme", "Gaillon", "Vivienne",
    "Mail", "Bonne-Nouvelle", "Arts-et-Métiers", "Enfants-Rouges", "Archives", "Sainte-Avoye",
    "Saint-Merri", "Saint-Gervais", "Arsenal", "Notre-Dame", "Saint-Victor", "Jardin-des-Plantes",
    "Val-de-Grâce", "Sorbonne", "Monnaie", "Odéon", "Notre-Dame-des-Champs", "Saint-Germain-des-Prés",
    "Saint-Thomas-d’Aquin", "Invalides", "École-Militaire", "Gros-Caillou", "Champs-Élysées",
    "Faubourg-du-Roule", "Madeleine", "Europe", "Saint-Georges", "Chaussée-d’Antin",
    "Faubourg-Montmartre", "Rochechouart", "Saint-Vincent-de-Paul", "Porte-Saint-Denis",
    "Porte-Saint-Martin", "Hôpital-Saint-Louis", "Folie-Méricourt", "Saint-Ambroise", "Roquette",
    "Sainte-Marguerite", "Bel-Air", "Picpus", "Bercy", "Quinze-Vingts", "Salpêtrière", "Gare",
    "Maison-Blanche", "Croulebarbe", "Montparnasse", "Parc-de-Montsouris", "Petit-Montrouge",
    "Plaisance", "Saint-Lambert", "Necker", "Grenelle", "Javel", "Auteuil", "Muette",
    "Porte-Dauphine", "Chaillot", "Ternes", "Plaine-de-Monceaux", "Batignolles", "Épinettes",
    "Grandes-Carrières", "Clignancourt", "Goutte-d’Or", "Chapelle", "Villette", "Pont-de-Flandre",
    "Amérique", "Combat", "Belleville", "Saint-Fargeau", "Père-Lachaise", "Charonne",
];

// The islands of the Seine in Paris: island, arrondissement.
export const PARIS_ISLANDS = [["Ile de la Cité", 4], ["Ile Saint-Louis", 4], ["Ile aux Cygnes", 15]];

// The IOTA groups of the French coasts, as the department of their main island.
export const IOTA_GROUPS = new Map([
    ["29", ["EU-005", "EU-064", "EU-068", "EU-094", "EU-105"]], ["56", ["EU-048", "EU-052", "EU-159"]],
    ["22", ["EU-074", "EU-107"]], ["85", ["EU-064", "EU-099"]], ["17", ["EU-032", "EU-089"]],
    ["83", ["EU-070", "EU-095"]], ["13", ["EU-095"]], ["06", ["EU-058"]], ["50", ["EU-039"]],
    ["35", ["EU-157"]], ["33", ["EU-148"]], ["44", ["EU-064"]], ["2A", ["EU-014", "EU-100"]],
    ["2B", ["EU-014", "EU-164"]],
]);
