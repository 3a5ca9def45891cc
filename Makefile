# The two commands of the README; the work is in scripts/.
# make fuzz FUZZ_SECONDS=600 fuzzes each target for ten minutes,
# make fuzz FUZZ_RUNS=10000000 for ten million executions.
.PHONY: run test bench fuzz clean
run:
	bash scripts/run.sh
test:
	bash scripts/test.sh
fuzz:
	bash scripts/fuzz.sh
bench:
	bash scripts/bench.sh
clean:
	rm -rf build
