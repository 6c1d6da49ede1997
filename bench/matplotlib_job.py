#!/usr/bin/python3
"""The command line's whole job done the usual way, as the yardstick of scripts/bench: one
concrete's compression and tension curves computed from its parameters (the damage law of
GB 50010-2010, Appendix C), written to a CSV file, and drawn as two PNG charts with matplotlib.

    matplotlib_job.py FOLDER     writes FOLDER/concrete.csv, Compression.png, Tension.png
"""
import csv
import os
import sys

import matplotlib

matplotlib.use("Agg")
import matplotlib.pyplot as plt  # noqa: E402

# Grade 30 as grade selection prints it, strains in m/m.
NAME = "Con_30"
EC, FCK, FTK = 29791.0, 20.1, 2.01
ECK, ETK = 1470.437e-6, 94.763e-6
AC, AT = 0.748, 1.261
ECMAX, ETMAX = 0.016, 0.0007


def compression_stress(e):
    rho = FCK / (EC * ECK)
    n = EC * ECK / (EC * ECK - FCK)
    x = e / ECK
    if x > 1:
        d = 1 - rho / (AC * (x - 1) ** 2 + x)
    else:
        d = 1 - rho * n / (x ** n + n - 1)
    return (1 - d) * EC * e


def tension_stress(e):
    rho = FTK / (EC * ETK)
    x = e / ETK
    if x > 1:
        d = 1 - rho / (AT * (x - 1) ** 1.7 + x)
    else:
        d = 1 - rho * (1.2 - 0.2 * x ** 5)
    return (1 - d) * EC * e


def sample(stress, end, step):
    strains, stresses = [], []
    e = 0.0
    while True:
        strains.append(e)
        stresses.append(stress(e))
        e += step
        if not e < end:
            break
    strains.append(end)
    stresses.append(stress(end))
    return strains, stresses


def chart(path, title, strains, stresses, height):
    figure, axes = plt.subplots(figsize=(5.85, height / 100), dpi=100)
    axes.plot(strains, stresses, linewidth=2, label=NAME)
    axes.set_title(title)
    axes.set_xlabel("Strain")
    axes.set_ylabel("Stress (N/mm2)")
    axes.grid(True)
    axes.legend(loc="upper right")
    figure.savefig(path)
    plt.close(figure)


def main():
    folder = sys.argv[1]
    compression = sample(compression_stress, ECMAX, 0.0002)
    tension = sample(tension_stress, ETMAX, 0.000002)
    with open(os.path.join(folder, "concrete.csv"), "w", newline="") as out:
        writer = csv.writer(out, lineterminator="\r\n")
        writer.writerow(["Compression Curve"])
        writer.writerow(["Strain", NAME])
        writer.writerows(("%.3E" % e, "%.3f" % s) for e, s in zip(*compression))
        writer.writerow(["Tension Curve"])
        writer.writerow(["Strain", NAME])
        writer.writerows(("%.3E" % e, "%.3f" % s) for e, s in zip(*tension))
    chart(os.path.join(folder, "Compression.png"), "Compression", *compression, 223)
    chart(os.path.join(folder, "Tension.png"), "Tension", *tension, 203)


if __name__ == "__main__":
    main()
