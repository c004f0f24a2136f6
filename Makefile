# The two commands: `make test` and `make run`. Each installs what is missing first.
BUILD ?= $(CURDIR)/build
FUZZ_SECONDS ?= 60

.PHONY: test run deps native native32 win64 win32 bench fuzz dist format clean

test: deps
	bash scripts/test.sh $(BUILD)

run: deps
	bash scripts/run.sh $(BUILD) $(if $(FIRST_START),--first-start)

deps:
	bash scripts/install-deps.sh

native native32 win64 win32: deps
	bash scripts/build.sh $@ $(BUILD)

bench: deps
	bash scripts/build.sh bench $(BUILD)
	bash scripts/build.sh win64 $(BUILD) bench_drill_window bench_progress_window
	bash scripts/bench.sh $(BUILD)

fuzz: deps
	bash scripts/build.sh fuzz $(BUILD)
	bash scripts/fuzz.sh $(BUILD) $(FUZZ_SECONDS)

dist: deps
	bash scripts/dist.sh $(BUILD)

format:
	find platform settings database answer framework dialog_rules app_rules dialogs app resources table_tool tests bench \
	    -name '*.h' -o -name '*.cpp' | xargs clang-format -i

clean:
	rm -rf $(BUILD)
