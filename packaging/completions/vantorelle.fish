# fish completion for vantorelle. The program says what may follow
# ("vantorelle __complete WORD... TYPED"); this function only hands it the words.

function __vantorelle_complete
    set -l typed (commandline -ct)
    set -l words (commandline -opc)
    for candidate in ($words[1] __complete $words[2..-1] "$typed" 2>/dev/null)
        switch $candidate
            case :folders
                __fish_complete_directories "$typed"
            case :files
                __fish_complete_path "$typed"
            case '*'
                echo $candidate
        end
    end
end

complete -c vantorelle -f -a '(__vantorelle_complete)'
