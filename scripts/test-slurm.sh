#!/usr/bin/env bash
# A small sweep through a real Slurm cluster of one node on this machine: munged, slurmctld and
# slurmd started here with a configuration under a temporary directory, the sweep's slurm.sh
# submitted and waited for, its runs collected and compared byte for byte with the same sweep run
# locally, then submitted again to run nothing. Every daemon started here is stopped at the end,
# whatever happens.
# usage: scripts/test-slurm.sh path/to/quillmoss-lab
set -euo pipefail

lab=$(realpath "$1")
if [ "$(id -u)" -ne 0 ]; then
  echo "test-slurm: the Slurm daemons are started as root here; run it as root" >&2
  exit 1
fi

work=$(mktemp -d /tmp/quillmossSlurmXXXXXX)
chmod 755 "$work"
started=()
stopDaemons() {
  for pid in "${started[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${started[@]}"; do
    for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  done
  rm -rf "$work"
}
trap stopDaemons EXIT

if ! pgrep -x munged >/dev/null; then
  mkdir -p /run/munge && chown munge:munge /run/munge
  runuser -u munge -- /usr/sbin/munged
  started+=("$(cat /run/munge/munged.pid)")
fi

host=$(hostname -s)
export SLURM_CONF=$work/slurm.conf
mkdir -p "$work/state" "$work/spool"
cat >"$SLURM_CONF" <<CONF
ClusterName=quillmoss
SlurmctldHost=$host(127.0.0.1)
SlurmUser=root
SlurmdUser=root
AuthType=auth/munge
ProctrackType=proctrack/linuxproc
TaskPlugin=task/none
SelectType=select/cons_tres
SelectTypeParameters=CR_CPU
StateSaveLocation=$work/state
SlurmdSpoolDir=$work/spool
SlurmctldPidFile=$work/slurmctld.pid
SlurmdPidFile=$work/slurmd.pid
SlurmctldLogFile=$work/slurmctld.log
SlurmdLogFile=$work/slurmd.log
MpiDefault=none
ReturnToService=2
JobCompType=jobcomp/none
AccountingStorageType=accounting_storage/none
NodeName=$host NodeAddr=127.0.0.1 CPUs=$(nproc) State=UNKNOWN
PartitionName=sweeps Nodes=ALL Default=YES MaxTime=INFINITE State=UP
CONF

slurmctld -D -i -f "$SLURM_CONF" >"$work/slurmctld.out" 2>&1 &
started+=("$!")
slurmd -D -f "$SLURM_CONF" >"$work/slurmd.out" 2>&1 &
started+=("$!")
for _ in $(seq 100); do
  [ "$(sinfo -h -o %t 2>/dev/null)" = idle ] && break
  sleep 0.3
done
if [ "$(sinfo -h -o %t 2>/dev/null)" != idle ]; then
  echo "test-slurm: the node did not come up; the daemons' logs:" >&2
  cat "$work"/*.log "$work"/*.out >&2 || true
  exit 1
fi

sweep=(sweep --topology plane,disc,sphere --disaster-rate 0,0.1 --seeds 1-3 --steps 60 --every 20)
"$lab" "${sweep[@]}" --plan "$work/planned"
sbatch --wait --quiet "$work/planned/slurm.sh"
"$lab" sweep --collect "$work/planned"
"$lab" "${sweep[@]}" --out "$work/local" 2>/dev/null
for table in sweep.csv summary.csv; do
  cmp "$work/planned/$table" "$work/local/$table"
done
# Submitted again, the array finds every run whole and runs nothing.
before=$(stat -c %Y "$work"/planned/runs/*/stats.csv | md5sum)
job=$(sbatch --parsable --wait "$work/planned/slurm.sh")
skipped=$(grep -l "holds this run whole already: nothing to do" "$work"/planned/runs/slurm-"$job"_*.log | wc -l)
if [ "$skipped" -ne 18 ] || [ "$(stat -c %Y "$work"/planned/runs/*/stats.csv | md5sum)" != "$before" ]; then
  echo "test-slurm: the array submitted again ran runs that were whole ($skipped of 18 skipped)" >&2
  exit 1
fi
echo "test-slurm: the sweep through Slurm (18 array tasks) gives the local sweep's sweep.csv and summary.csv, byte for byte;"
echo "test-slurm: submitted again, its 18 tasks find their runs whole and run nothing"
