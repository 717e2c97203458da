#!/usr/bin/env python3
"""Reads the JSON outputs of the benchmarks (Google Benchmark's form) and
prints one table: measure, figure, budget, verdict. Budgets are ratios taken
within the same run wherever a floor exists, so that a slower or busier
machine moves the figures but not the verdicts. Exit status 1 with --strict
when a budget is missed."""

import json
import sys

UNITES = {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1.0}

mesures = {}
for fichier in [a for a in sys.argv[1:] if not a.startswith("--")]:
    with open(fichier, encoding="utf-8") as f:
        for b in json.load(f).get("benchmarks", []):
            if b.get("error_occurred"):
                mesures[b["name"]] = {"erreur": b.get("error_message", "erreur")}
                continue
            # Processor time where the benchmark gives it: the machine these
            # figures are taken on is shared, and the wall-clock time of a
            # process waiting for a core means nothing about the program.
            b["secondes"] = b.get("cpu_time", b["real_time"]) * UNITES[b.get("time_unit", "ns")]
            b["secondes_ecoulees"] = b["real_time"] * UNITES[b.get("time_unit", "ns")]
            mesures[b["name"]] = b

lignes = []
manques = 0


def trouver(nom):
    """The measure of that name, or of that name followed by Google
    Benchmark's suffixes (/iterations:N, /real_time)."""
    if nom in mesures:
        return mesures[nom]
    for cle, b in mesures.items():
        if cle.startswith(nom + "/") and not cle[len(nom) + 1:].split("/")[0].isdigit():
            return b
    return None


def temps(nom, cle="secondes"):
    b = trouver(nom)
    if b is None or "erreur" in b:
        return None
    return b[cle]


def champ(nom, cle):
    b = trouver(nom)
    if b is None or "erreur" in b:
        return None
    return b.get(cle)


def ligne(mesure, chiffre, budget="—", ok=None):
    global manques
    if ok is None:
        verdict = "—"
    elif ok:
        verdict = "ok"
    else:
        verdict = "NOT OK"
        manques += 1
    lignes.append((mesure, chiffre, budget, verdict))


def absent(mesure, nom, budget="—"):
    b = trouver(nom)
    raison = b["erreur"] if b and "erreur" in b else "non mesuré"
    ligne(mesure, raison, budget, False if budget != "—" else None)


def duree(s):
    if s >= 1:
        return f"{s:.2f} s"
    if s >= 1e-3:
        return f"{s * 1e3:.2f} ms"
    if s >= 1e-6:
        return f"{s * 1e6:.2f} µs"
    return f"{s * 1e9:.1f} ns"


def par_unite(nom, mesure, cle, unite):
    v = champ(nom, cle)
    if v is None:
        absent(mesure, nom)
        return None
    ligne(mesure, f"{duree(v)} / {unite}")
    return v


# Calculation
for n in (10, 100, 1000, 10000):
    par_unite(f"BM_CalculerResultats/{n}", f"Calcul, {n} sections", "temps_par_section", "section")
t1, t2 = temps("BM_CalculerResultats/1000"), temps("BM_CalculerResultats/10000")
if t1 and t2:
    ligne("Calcul : 10 000 sections / 1 000", f"× {t2 / t1:.1f}", "≤ × 12", t2 / t1 <= 12)

# Documents, per byte, beside the floor
for n in (1, 10, 100, 1000):
    plancher = champ(f"BM_LectureBrute/{n}", "temps_par_octet")
    octets = champ(f"BM_LectureBrute/{n}", "octets")
    if plancher is None:
        absent(f"Lecture brute + décodage, {n} calculs", f"BM_LectureBrute/{n}")
        continue
    ligne(f"Lecture brute + décodage (plancher), {n} calculs ({int(octets)} octets)", f"{duree(plancher)} / octet")
    for nom, libelle in (("BM_LireDocument", "Lecture du document"), ("BM_LireEtCalculer", "Lecture et calcul"),
                         ("BM_EcrireTexte", "Écriture du texte")):
        v = champ(f"{nom}/{n}", "temps_par_octet")
        if v is None:
            absent(f"{libelle}, {n} calculs", f"{nom}/{n}")
            continue
        ratio = v / plancher
        if nom == "BM_LireEtCalculer":
            ligne(f"{libelle}, {n} calculs", f"{duree(v)} / octet = plancher × {ratio:.1f}", "≤ plancher × 10",
                  ratio <= 10)
        else:
            ligne(f"{libelle}, {n} calculs", f"{duree(v)} / octet = plancher × {ratio:.1f}")

for nom, libelle in (("BM_LireEtCalculer", "Lecture et calcul"), ("BM_LireDocument", "Lecture du document")):
    t100, t1000 = temps(f"{nom}/100"), temps(f"{nom}/1000")
    o100, o1000 = champ(f"{nom}/100", "octets"), champ(f"{nom}/1000", "octets")
    if t100 and t1000:
        taille = o1000 / o100
        ligne(f"{libelle} : document × {taille:.1f} (1 000 / 100 calculs)", f"temps × {t1000 / t100:.1f}",
              f"≤ × {1.2 * taille:.1f}", t1000 / t100 <= 1.2 * taille)

m100, m1000 = champ("BM_LireDocument/100", "memoire_par_octet"), champ("BM_LireDocument/1000", "memoire_par_octet")
if m100 and m1000:
    ligne("Mémoire d'un document de 100 calculs", f"{m100:.1f} octets / octet du fichier")
    ligne("Mémoire d'un document de 1 000 calculs", f"{m1000:.1f} octets / octet du fichier",
          f"≤ {1.2 * m100:.1f} (linéaire)", m1000 <= 1.2 * m100)

# Note and drawing
for n in (10, 100, 1000):
    v = par_unite(f"BM_PageNdC/{n}", f"Note de calcul (page), {n} sections", "temps_par_section", "section")
t = temps("BM_PageNdC/1000")
if t is not None:
    ligne("Note de calcul, 1 000 sections", duree(t), "≤ 16 ms", t <= 0.016)
p100, p10000 = champ("BM_MemoireNdC/100", "octets_par_section"), champ("BM_MemoireNdC/10000", "octets_par_section")
if p100 and p10000:
    ligne("Mémoire de la note, 100 sections", f"{p100 / 1000:.1f} ko par section")
    ligne("Mémoire de la note, 10 000 sections",
          f"{p10000 / 1000:.1f} ko par section ({champ('BM_MemoireNdC/10000', 'pic_sur_page'):.2f} × la page)",
          f"≤ {1.2 * p100 / 1000:.1f} ko (linéaire)", p10000 <= 1.2 * p100)
for n in (100, 1000):
    par_unite(f"BM_NotePdf/{n}", f"Note de calcul en PDF, {n} sections", "us_par_section", "section")
for nom, libelle in (("BM_ConstruireDessin", "Dessin : construction"), ("BM_LireCommandes", "Dessin : lecture"),
                     ("BM_Peindre", "Dessin : peinture 1600×1200"),
                     ("BM_AfficherDessin", "Dessin : affichage complet")):
    for n in (10, 100, 1000):
        par_unite(f"{nom}/{n}", f"{libelle}, {n} sections", "temps_par_section", "section")
t = temps("BM_AfficherDessin/1000")
if t is not None:
    ligne("Dessin complet, 1 000 sections", duree(t), "≤ 16 ms", t <= 0.016)

# The application
# The start-up is the time the user waits: wall-clock, since the application
# reads the font list on a second core meanwhile; processor time (all threads)
# beside it.
vide = temps("BM_Demarrage/fenetre_qt_vide", "secondes_ecoulees")
tolvane = temps("BM_Demarrage/tolvane", "secondes_ecoulees")
if vide and tolvane:
    cpu_vide, cpu_tolvane = temps("BM_Demarrage/fenetre_qt_vide"), temps("BM_Demarrage/tolvane")
    ligne("Démarrage : fenêtre Qt vide (médiane, temps écoulé)", f"{duree(vide)} (processeur {duree(cpu_vide)})")
    texte = temps("BM_Demarrage/fenetre_qt_texte", "secondes_ecoulees")
    if texte:
        ligne("Démarrage : la même avec un menu et une ligne de texte",
              f"{duree(texte)} = vide × {texte / vide:.2f} (processeur × "
              f"{temps('BM_Demarrage/fenetre_qt_texte') / cpu_vide:.2f})")
    ligne("Démarrage : Tolvane avec l'exemple (médiane, temps écoulé)",
          f"{duree(tolvane)} = vide × {tolvane / vide:.2f} (processeur × {cpu_tolvane / cpu_vide:.2f})",
          "≤ vide × 1.5", tolvane <= 1.5 * vide)
else:
    absent("Démarrage jusqu'à la première peinture", "BM_Demarrage/tolvane", "≤ vide × 1.5")

t = temps("BM_OuvrirDocument/100")
if t is not None:
    ligne("Ouverture d'un document de 100 calculs", duree(t))
else:
    absent("Ouverture d'un document de 100 calculs", "BM_OuvrirDocument/100")
for nom, libelle in (("BM_ChangerOnglet", "Changement d'onglet"),
                     ("BM_SaisieFiche", "Saisie dans la fiche jusqu'au dessin repeint")):
    for n, limite in ((20, 0.016), (1000, 0.100)):
        cle = f"{nom}/{n}"
        budget = f"≤ {limite * 1e3:.0f} ms"
        t = temps(cle)
        if t is None:
            absent(f"{libelle}, {n} sections", cle, budget)
        else:
            ligne(f"{libelle}, {n} sections", duree(t), budget, t <= limite)
for n in (20, 1000):
    cle = f"BM_PageResultats/{n}"
    t = temps(cle)
    if t is None:
        absent(f"Affichage de la page des résultats, {n} sections", cle)
    else:
        ligne(f"Affichage de la page des résultats, {n} sections", duree(t))

largeurs = [max(len(l[i]) for l in lignes + [("Mesure", "Chiffre", "Budget", "Verdict")]) for i in range(4)]
entete = ("Mesure", "Chiffre", "Budget", "Verdict")
print(" | ".join(entete[i].ljust(largeurs[i]) for i in range(4)))
print("-+-".join("-" * largeurs[i] for i in range(4)))
for l in lignes:
    print(" | ".join(l[i].ljust(largeurs[i]) for i in range(4)))
print()
print(f"{manques} budget(s) manqué(s)." if manques else "Tous les budgets sont tenus.")
sys.exit(1 if manques and "--strict" in sys.argv else 0)
