#!/bin/sh
# Writes a portfolio of N made-up buildings as the CSV pair that "plenara-cli screen" reads:
# DIR/buildings.csv and DIR/bills.csv. The buildings are spread over the cities of the
# climate data, with bills, rates and sizes that vary from building to building, so that the
# three methods take their different paths. The same N gives the same files on every machine
# (a generator of its own, not awk's rand, whose sequence differs between awks).
#
# Usage: bench/make-portfolio.sh N DIR [CLIMATE_FILE]
set -eu

if [ $# -lt 2 ]; then
    echo "Usage: $0 N DIR [CLIMATE_FILE]" >&2
    exit 2
fi
count=$1
dir=$2
here=$(dirname "$0")
climate=${3:-$here/../data/ClimateData.Dat}

case $count in
    ''|*[!0-9]*) echo "$0: N must be a whole number, not '$count'" >&2; exit 2 ;;
esac
[ -r "$climate" ] || { echo "$0: cannot read the climate data $climate" >&2; exit 1; }
mkdir -p "$dir"

awk -v count="$count" -v buildings="$dir/buildings.csv" -v bills="$dir/bills.csv" '
BEGIN { FS = "|"; seed = 20261207 }
# Park-Miller: exact in the doubles of every awk.
function random() { seed = (seed * 16807) % 2147483647; return seed / 2147483647 }
function between(low, high) { return low + (high - low) * random() }
function pick(n) { return int(n * random()) + 1 }
{ sub(/\r$/, ""); if (NF >= 5) { cities++; state[cities] = $1; city[cities] = $2 } }
END {
    split("Therms,Decatherms,MMBtu,CCF,MCF", gasUnit, ",")
    split("RecipEngine,RecipEngine,RecipEngine,Microturbine,FuelCell,GasTurbine", mover, ",")
    split("Typical,Typical,Low,High,Retrofit", difficulty, ",")
    split("HeatingOnly,HeatingPriority,CoolingPriority", allocation, ",")
    split("Low,Medium,High", hotWater, ",")
    # The share of the year s kWh and the peak kW by month, January first.
    split("1.00,0.98,0.85,0.82,0.84,1.55,1.80,1.78,1.25,0.89,0.93,1.01", kWhShape, ",")
    split("1.0,0.96,0.96,0.91,1.09,2.9,3.1,2.9,2.0,1.26,1.0,1.0", kWShape, ",")
    split("2.6,2.4,2.8,1.6,0.7,0.65,0.5,0.45,0.6,1.2,1.45,2.35", heatShape, ",")
    print "id,fuel1Type,fuel1Units,energyCharge,fuelAdjCharge,demandCharge,standbyCharge," \
          "gasCost,gasCostUnit,state,city,heatedFloorSpace,cooledFloorSpace,occupants," \
          "installationDifficulty,primeMover,heatAllocation,runTimeFraction," \
          "boilerEfficiency,hotWaterUsage" > buildings
    print "id,month,kWh,kW,electricCost,fuel1Quantity,fuel1Cost,fuel2Quantity,fuel2Cost" > bills
    for (b = 1; b <= count; b++) {
        id = sprintf("B%07d", b)
        c = pick(cities)
        oil = random() < 0.4
        units = pick(5)
        area = int(between(20000, 200000))
        occupants = int(area / between(300, 700))
        energy = between(0.04, 0.14)
        printf "%s,%s,%s,%.4f,%.4f,%.2f,%.2f,%.4f,%s,%s,%s,%d,%d,%d,%s,%s,%s,%d%%,%d%%,%s\n", \
            id, oil ? "#2 fuel oil" : "natural gas", oil ? "gallons" : "therms", \
            energy, between(0, 0.03), between(0, 15), between(0, 5), \
            between(0.6, 1.6) * (units == 2 || units == 3 ? 10 : units == 5 ? 10.25 : 1), \
            gasUnit[units], state[c], city[c], area, area * between(0.5, 1), occupants, \
            difficulty[pick(5)], mover[pick(6)], allocation[pick(3)], \
            100 - 5 * int(between(0, 10)), 80 - int(between(0, 30)), hotWater[pick(3)] > buildings
        annualKWh = area * between(6, 14)
        peakKW = annualKWh / 8760 * between(1.6, 2.6)
        annualHeat = area * between(0.04, 0.12)  # MMBtu
        unit = oil ? 0.136998 : 0.1
        price = oil ? between(2, 4) : between(0.8, 1.6)
        for (m = 1; m <= 12; m++) {
            kWh = int(annualKWh / 12.5 * kWhShape[m] * between(0.95, 1.05))
            fuel = int(annualHeat / 17.3 * heatShape[m] / unit * between(0.95, 1.05))
            printf "%s,%d,%d,%d,%d,%d,%d,,\n", id, m, kWh, int(peakKW / 3.1 * kWShape[m] + 0.5), \
                int(kWh * (energy + 0.01)), fuel, int(fuel * price) > bills
        }
    }
}' "$climate"
